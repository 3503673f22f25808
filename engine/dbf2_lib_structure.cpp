// Structure operations: creating a table, adding and deleting fields, copying
// a structure to a second file, and removing all records. Adding and deleting
// fields rewrite the header and drop every record.
#include "dbf2_lib.h"

#include "dbf_header.h"
#include "dbf_names.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace dbf {
namespace {

constexpr char kTerminatorAndEnd[2] = {kHeaderEnd, kEndMark};

// The header and the descriptor area its header size declares, as far as the
// file holds them; a file shorter than a header fails as a read past its end.
std::vector<char> ReadHeaderArea(TableFile& file) {
  std::vector<char> bytes(kHeaderSize);
  file.ReadAt(0, bytes.data(), bytes.size());
  const int64_t declared = GetU16(bytes.data() + 8) / kDescriptorSize * kDescriptorSize;
  bytes.resize(static_cast<size_t>(std::clamp<int64_t>(file.Size(), kHeaderSize, std::max<int64_t>(declared, kHeaderSize))));
  file.ReadAt(0, bytes.data(), bytes.size());
  return bytes;
}

}  // namespace

void Dbf2_lib::DbfCreate(uint16_t slot, uint8_t kind, const std::string& fileName) {
  DbfAssign(slot, fileName);
  TableFile file(files_);
  file.Create(fileName);
  if (kind != 1 && kind != 2) {
    file.Close();
    DbfError(7);
  }
  char bytes[kHeaderSize + 2] = {};
  bytes[0] = 3;
  bytes[1] = bytes[2] = bytes[3] = 1;
  PutU16(bytes + 8, kHeaderSize + 1);
  PutU32(bytes + 10, 1);
  std::memcpy(bytes + kHeaderSize, kTerminatorAndEnd, 2);
  file.WriteAt(0, bytes, sizeof bytes);
}

bool Dbf2_lib::DbfAddField(uint16_t slot, const std::string& name, char type, uint8_t length,
                           uint8_t decimals) {
  if (DbfIsOpen(slot)) DbfClose(slot);
  Slot& s = At(slot);
  TableFile file(files_);
  if (!file.Open(s.fileName)) DbfError(6);
  const std::vector<char> area = ReadHeaderArea(file);
  const uint32_t oldLength = GetU32(area.data() + 10);
  // The new descriptor goes right after the last one, where a terminator
  // stands; an area after the terminator (as some writers keep) is dropped.
  const uint32_t fields = static_cast<uint32_t>(CountFieldDescriptors(area.data(), area.size()));
  const uint32_t headerSize = kHeaderSize + fields * kDescriptorSize + 1;
  // A field of no bytes, one descriptor too many for the 16-bit header size,
  // or a record longer than its 16-bit field would leave a table other
  // readers cannot read: refuse before writing.
  if (length == 0 || headerSize + kDescriptorSize > 0xFFFF || oldLength + length > kMaxRecordLength) return false;

  char descriptor[kDescriptorSize + 2] = {};
  std::memcpy(descriptor, name.data(), std::min(name.size(), kFieldNameSize));
  descriptor[11] = type;
  PutU32(descriptor + 12, oldLength);
  descriptor[16] = static_cast<char>(length);
  descriptor[17] = static_cast<char>(decimals);
  std::memcpy(descriptor + kDescriptorSize, kTerminatorAndEnd, 2);
  file.WriteAt(headerSize - 1, descriptor, sizeof descriptor);
  file.Truncate(headerSize - 1 + sizeof descriptor);

  char header[kHeaderSize] = {};
  std::memcpy(header, area.data(), 4);
  PutU16(header + 8, static_cast<uint16_t>(headerSize + kDescriptorSize));
  PutU32(header + 10, oldLength + length);
  file.WriteAt(0, header, sizeof header);
  return true;
}

void Dbf2_lib::DbfDeleteField(uint16_t slot, const std::string& name) {
  if (DbfIsOpen(slot)) DbfClose(slot);
  Slot& s = At(slot);
  TableFile file(files_);
  if (!file.Open(s.fileName)) DbfError(6);
  const std::string target = NormalName(name);
  std::vector<char> area = ReadHeaderArea(file);
  char* header = area.data();
  const int fields = CountFieldDescriptors(area.data(), area.size());
  const std::vector<char> all(area.begin() + kHeaderSize,
                              area.begin() + kHeaderSize + static_cast<ptrdiff_t>(fields) * kDescriptorSize);
  const bool wide = HasWideCharLengths(all.data(), fields, GetU32(header + 10));

  std::vector<char> kept;
  uint32_t running = 1;
  for (size_t at = 0; at < all.size(); at += kDescriptorSize) {
    const char* d = all.data() + at;
    size_t n = 0;
    while (n < kFieldNameSize && static_cast<unsigned char>(d[n]) >= 0x21) ++n;
    if (NormalName(std::string_view(d, n)) == target) continue;
    kept.insert(kept.end(), d, d + kDescriptorSize);
    PutU32(kept.data() + kept.size() - kDescriptorSize + 12, running);
    running += DescriptorLength(d, wide);
  }
  const size_t keptCount = kept.size() / kDescriptorSize;
  PutU16(header + 8, static_cast<uint16_t>(kDescriptorSize * (keptCount + 1) + 1));
  PutU32(header + 10, running);
  kept.insert(kept.begin(), header, header + kHeaderSize);
  kept.insert(kept.end(), kTerminatorAndEnd, kTerminatorAndEnd + 2);
  // The shorter header goes over the old one before the rest is cut off, so
  // a write that fails leaves the bytes it did not reach as they were.
  file.WriteAt(0, kept.data(), kept.size());
  file.Truncate(static_cast<int64_t>(kept.size()));
}

bool Dbf2_lib::DbfCopyStructure(uint16_t source, uint16_t target) {
  // Creating the target empties it; when it is the source's own file that
  // would destroy the table being copied.
  if (TableFile::SameFile(At(source).fileName, At(target).fileName)) return false;
  if (DbfIsOpen(source)) DbfClose(source);
  if (DbfIsOpen(target)) DbfClose(target);
  Slot& src = At(source);
  TableFile in;
  if (!in.OpenForReading(src.fileName)) DbfError(6);
  char header[kHeaderSize];
  in.ReadAt(0, header, sizeof header);
  std::vector<char> bytes(std::max<size_t>(GetU16(header + 8), kHeaderSize));
  in.ReadAt(0, bytes.data(), bytes.size());
  in.Close();
  WriteEmptyTable(slots_[target - 1].fileName, std::move(bytes), files_);
  return true;
}

void Dbf2_lib::DbfZap(uint16_t slot) {
  Slot& s = Opened(slot, 4);
  const int64_t standard = kDescriptorSize * (static_cast<int64_t>(s.fields.size()) + 1) + 1;
  // A header of the usual size gets its terminator written again; any other
  // keeps its bytes, and the records go in either case.
  if (s.headerSize == standard) {
    s.table.File().WriteAt(s.headerSize - 1, kTerminatorAndEnd, 2);
  } else {
    s.table.File().WriteAt(s.headerSize, &kEndMark, 1);
  }
  s.table.File().Truncate(s.headerSize + 1);
  s.position = s.headerSize;
  s.recNo = 0;
}

}  // namespace dbf
