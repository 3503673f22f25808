#include "header_repair.h"

#include "dbf_file.h"
#include "dbf_header.h"
#include "dbf_names.h"
#include "header_fields.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kCopyBlock = 4 << 20;

void CleanName(char* descriptor) {
  const size_t end = DescriptorName(descriptor).size();
  std::memset(descriptor + end, 0, dbf::kFieldNameSize - end);
}

}  // namespace

bool RepairHeader(dbf::TableFile& source, dbf::TableFile& result, bool recomputeOffsets,
                  const std::function<void(int64_t position)>& progress) {
  RawHeader header = ReadRawHeader(source);
  result.WriteAt(0, header.bytes.data(), std::min(header.bytes.size(), kHeaderBytes));
  if (header.fields < 1) return false;

  // Field widths as the engine reads them, so that a character field longer
  // than 255 moves the fields after it by its whole length.
  const bool wide = dbf::HeaderHasWideCharLengths(header.bytes.data(), header.fields);
  uint32_t offset = 1;
  for (int i = 0; i < header.fields; ++i) {
    char* descriptor = header.bytes.data() + kHeaderBytes + kDescriptorBytes * i;
    CleanName(descriptor);
    if (recomputeOffsets) dbf::PutU32(descriptor + 12, offset);
    offset += dbf::DescriptorLength(descriptor, wide);
  }
  int64_t position = static_cast<int64_t>(header.bytes.size());
  result.WriteAt(kHeaderBytes, header.bytes.data() + kHeaderBytes, header.bytes.size() - kHeaderBytes);
  progress(position);

  while (const size_t copied = source.CopyInto(result, position, kCopyBlock)) {
    position += static_cast<int64_t>(copied);
    progress(position);
  }
  return true;
}
