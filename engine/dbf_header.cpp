#include "dbf_header.h"

#include <algorithm>

namespace dbf {

int CountFieldDescriptors(const char* header, size_t size) {
  if (size < 10) return 0;
  const int declared = GetU16(header + 8) / kDescriptorSize - 1;
  int count = 0;
  while (count < declared) {
    const size_t at = kHeaderSize + static_cast<size_t>(count) * kDescriptorSize;
    if (at + kDescriptorSize > size || header[at] == 0x0D) break;
    ++count;
  }
  return count;
}

uint16_t DescriptorLength(const char* descriptor, bool wide) {
  auto b = reinterpret_cast<const unsigned char*>(descriptor);
  if (wide && descriptor[11] == 'C') return static_cast<uint16_t>(b[16] | (b[17] << 8));
  return b[16];
}

uint8_t DescriptorDecimals(const char* descriptor, bool wide) {
  if (wide && descriptor[11] == 'C') return 0;
  return static_cast<uint8_t>(descriptor[17]);
}

bool HasWideCharLengths(const char* descriptors, int count, uint32_t recordLength) {
  uint64_t plain = 1;
  uint64_t wide = 1;
  for (int i = 0; i < count; ++i) {
    const char* d = descriptors + static_cast<size_t>(i) * kDescriptorSize;
    plain += DescriptorLength(d, false);
    wide += DescriptorLength(d, true);
  }
  return plain != recordLength && wide == recordLength;
}

bool HeaderHasWideCharLengths(const char* header, int count) {
  return HasWideCharLengths(header + kHeaderSize, count, GetU32(header + 10));
}

bool ReadHeader(TableFile& file, int64_t size, HeaderInfo& info) {
  if (size < kHeaderSize) return false;
  char h[kHeaderSize];
  file.ReadAt(0, h, sizeof h);
  info.recordCount = GetU32(h + 4);
  info.headerSize = GetU16(h + 8);
  info.recordLength = GetU32(h + 10);
  if (info.headerSize <= kHeaderSize || info.recordLength == 0) return false;
  const int declared = info.headerSize / kDescriptorSize - 1;
  const size_t area = kHeaderSize + static_cast<size_t>(declared) * kDescriptorSize;
  if (static_cast<int64_t>(area) > size) return false;

  std::vector<char> bytes(area);
  file.ReadAt(0, bytes.data(), bytes.size());
  info.fieldCount = CountFieldDescriptors(bytes.data(), bytes.size());
  info.descriptors.assign(bytes.begin() + kHeaderSize,
                          bytes.begin() + kHeaderSize + static_cast<ptrdiff_t>(info.fieldCount) * kDescriptorSize);
  const char* d = info.descriptors.data();
  info.wideCharLengths = HeaderHasWideCharLengths(bytes.data(), info.fieldCount);

  int64_t widest = 1 + (info.fieldCount == 0 ? kMaxFieldLength : 0);
  for (int i = 0; i < info.fieldCount; ++i) {
    widest += std::max<int64_t>(kMaxFieldLength, DescriptorLength(d + i * kDescriptorSize, true));
  }
  // Bytes past the fields are kept as they are; a length beyond the fields,
  // the file and the header's 16-bit field is no table's.
  return info.recordLength <= std::max<int64_t>({widest, size, kMaxRecordLength});
}

int64_t RecordsEnd(TableFile& file, uint16_t headerSize, uint32_t recordLength) {
  const int64_t size = file.Size();
  if (recordLength != 1 || size <= headerSize) return size;
  char last = 0;
  file.ReadAt(size - 1, &last, 1);
  return last == 0x1A ? size - 1 : size;
}

int64_t RecordCountOf(TableFile& file, uint16_t headerSize, uint32_t recordLength) {
  if (recordLength == 0) return 0;
  const int64_t end = RecordsEnd(file, headerSize, recordLength);
  return end <= headerSize ? 0 : (end - headerSize) / recordLength;
}

void WriteEmptyTable(const std::string& path, std::vector<char> header, FileSystem& files) {
  if (header.size() >= 8) PutU32(header.data() + 4, 0);
  header.push_back(0x1A);  // the end mark
  TableFile out(files);
  out.Create(path);
  out.WriteAt(0, header.data(), header.size());
  out.Close();
}

}  // namespace dbf
