#include "dbf_field_text.h"

#include <algorithm>
#include <cstring>

namespace dbf {

namespace {

std::string_view TrimmedEnd(const char* bytes, size_t size) {
  while (size > 0 && static_cast<unsigned char>(bytes[size - 1]) <= 0x20) --size;
  return {bytes, size};
}

}  // namespace

std::string_view FieldText(const char* data, size_t size, uint32_t offset, uint16_t length,
                           std::string& scratch) {
  const int64_t start = static_cast<int64_t>(offset) - 1;
  const int64_t end = start + length;
  const int64_t limit = static_cast<int64_t>(size);
  if (start >= 0 && end <= limit) return TrimmedEnd(data + start, length);
  const int64_t begin = std::clamp<int64_t>(start, 0, limit);
  const int64_t stop = std::clamp<int64_t>(end, 0, limit);
  scratch.assign(length, ' ');
  if (stop > begin) std::memcpy(&scratch[static_cast<size_t>(begin - start)], data + begin, static_cast<size_t>(stop - begin));
  return TrimmedEnd(scratch.data(), scratch.size());
}

}  // namespace dbf
