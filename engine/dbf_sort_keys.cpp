#include "dbf_sort_keys.h"

#include "dbf_number.h"

#include <algorithm>
#include <cstring>

namespace dbf {
namespace {

void Invert(unsigned char* bytes, size_t n) {
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<unsigned char>(~bytes[i]);
}

}  // namespace

SortKeyCoder::SortKeyCoder(const std::vector<SortKey>& keys, uint32_t recordLength) {
  for (const SortKey& k : keys) {
    const uint64_t from = k.fieldOffset;
    const uint64_t to = std::min<uint64_t>(from + k.length, recordLength);
    if (from >= to) continue;
    Part part;
    part.from = static_cast<uint32_t>(from);
    part.length = static_cast<uint32_t>(to - from);
    part.numeric = IsNumericType(k.type);
    part.descending = k.direction != 1;
    width_ += part.length + (part.numeric ? 1 : 0);
    parts_.push_back(part);
  }
}

void SortKeyCoder::Encode(const char* record, unsigned char* out) const {
  for (const Part& part : parts_) {
    const char* bytes = record + part.from;
    unsigned char* start = out;
    if (part.numeric) {
      const void* minus = std::memchr(bytes, '-', part.length);
      *out++ = minus ? 0 : 1;
      std::memcpy(out, bytes, part.length);
      if (minus) {
        out[static_cast<const char*>(minus) - bytes] = ' ';
        Invert(out, part.length);
      }
    } else {
      std::memcpy(out, bytes, part.length);
    }
    out = start + (part.numeric ? 1 : 0) + part.length;
    if (part.descending) Invert(start, static_cast<size_t>(out - start));
  }
}

}  // namespace dbf
