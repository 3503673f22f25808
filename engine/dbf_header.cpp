#include "dbf_header.h"

#include <algorithm>

namespace dbf {

bool ReadHeader(TableFile& file, int64_t size, HeaderInfo& info) {
  if (size < kHeaderSize) return false;
  char h[kHeaderSize];
  file.ReadAt(0, h, sizeof h);
  info.recordCount = GetU32(h + 4);
  info.headerSize = GetU16(h + 8);
  info.recordLength = GetU32(h + 10);
  info.fieldCount = info.headerSize / kDescriptorSize - 1;
  if (info.headerSize <= kHeaderSize || info.recordLength == 0) return false;
  if (kHeaderSize + static_cast<int64_t>(info.fieldCount) * kDescriptorSize > size) return false;
  int64_t widest = 1 + static_cast<int64_t>(kMaxFieldLength) * std::max(info.fieldCount, 1);
  return info.recordLength <= std::max<int64_t>(widest, size);
}

int64_t RecordCountOf(int64_t fileSize, uint16_t headerSize, uint32_t recordLength) {
  if (recordLength == 0 || fileSize <= headerSize) return 0;
  return (fileSize - headerSize) / recordLength;
}

void WriteRecordCount(TableFile& file, uint16_t headerSize, uint32_t recordLength) {
  char count[4];
  PutU32(count, static_cast<uint32_t>(RecordCountOf(file.Size(), headerSize, recordLength)));
  file.WriteAt(4, count, sizeof count);
}

}  // namespace dbf
