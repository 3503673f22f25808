// Record access: moving the position, reading records into the buffer,
// appending, and the deletion flag. Every write goes to the file at once.
#include "dbf2_lib.h"

#include "dbf_header.h"

#include <algorithm>

namespace dbf {
namespace {

// Blocks of records this large are written at once even while writes are
// gathered: gathering them would only copy them.
constexpr size_t kGatheredBytes = size_t{1} << 20;

}  // namespace

void Dbf2_lib::Recompute(Slot& s) {
  s.recNo = (s.position - s.headerSize) / static_cast<int64_t>(s.recordLength) + 1;
}

// A whole record starts at pos: inside the record area, on a record
// boundary, and not cut short by the end of the records (RecordsEnd, which
// leaves out the end mark of one-byte records). Every move and read asks
// this, so each reader sees the records the count counts, each once.
bool Dbf2_lib::AtWholeRecord(Slot& s, int64_t pos) {
  if (pos < s.headerSize || (pos - s.headerSize) % s.recordLength != 0) return false;
  const int64_t end = pos + static_cast<int64_t>(s.recordLength);
  // Only the file's last byte can be an end mark: ask RecordsEnd just there.
  return end < s.table.File().Size() || end <= RecordsEnd(s.table.File(), s.headerSize, s.recordLength);
}

int64_t Dbf2_lib::DbfRecCount(uint16_t slot) {
  Slot& s = Opened(slot, 4);
  return RecordCountOf(s.table.File(), s.headerSize, s.recordLength);
}

void Dbf2_lib::DbfRead(uint16_t slot) {
  Slot& s = Opened(slot, 10);
  s.status = kStatusDone;
  for (;;) {
    if (!AtWholeRecord(s, s.position)) {
      s.status = kStatusEof;
      return;
    }
    char flag = 0;
    s.table.File().ReadAt(s.position, &flag, 1);
    if (flag == kFlagDeleted) {
      s.position += s.recordLength;
      continue;
    }
    s.table.File().ReadAt(s.position + 1, s.buffer.data(), s.recordLength - 1);
    Recompute(s);
    phase_ = Phase::AfterRead;
    RecordHook(slot);
    return;
  }
}

void Dbf2_lib::DbfReadRaw(uint16_t slot) {
  Slot& s = Opened(slot, 4);
  s.status = kStatusDone;
  if (!AtWholeRecord(s, s.position)) {
    // The end mark, or a record cut short by the end of the file: no record here.
    s.status = kStatusEof;
    return;
  }
  char flag = 0;
  s.table.File().ReadAt(s.position, &flag, 1);
  if (flag == kFlagDeleted) s.status = kStatusDeleted;
  s.table.File().ReadAt(s.position + 1, s.buffer.data(), s.recordLength - 1);
  phase_ = Phase::AfterRead;
  RecordHook(slot);
  Recompute(s);
}

void Dbf2_lib::DbfSkip(uint16_t slot, int32_t count) {
  Slot& s = Opened(slot, 4);
  s.status = kStatusDone;
  int64_t target = s.position + static_cast<int64_t>(s.recordLength) * count;
  if (target < s.headerSize) {
    // Before the first record: stay at the start of the records, read nothing.
    s.position = s.headerSize;
    s.status = kStatusEof;
    return;
  }
  s.position = target;
  DbfReadRaw(slot);
}

void Dbf2_lib::DbfSkipBof(uint16_t slot) {
  Slot& s = Opened(slot, 9);
  s.status = kStatusDone;
  s.position = s.headerSize;
  if (!AtWholeRecord(s, s.position)) {
    s.status = kStatusEof;
    return;
  }
  s.recNo = 1;
}

void Dbf2_lib::DbfFirst(uint16_t slot) {
  DbfSkipBof(slot);
  if (slots_[slot - 1].status != kStatusEof) DbfRead(slot);
}

void Dbf2_lib::DbfTop(uint16_t slot) {
  Slot& s = Opened(slot, 4);
  s.status = kStatusDone;
  s.position = s.headerSize;
  DbfReadRaw(slot);
}

void Dbf2_lib::DbfGo(uint16_t slot, int64_t recordNumber) {
  Slot& s = Opened(slot, 4);
  int64_t p = static_cast<int64_t>(s.recordLength) * (recordNumber - 1) + s.headerSize;
  if (recordNumber < 1 || !AtWholeRecord(s, p)) {
    s.status = kStatusEof;
    s.position = RecordsEnd(s.table.File(), s.headerSize, s.recordLength);  // past the last record
    return;
  }
  s.position = p;
  DbfReadRaw(slot);
}

void Dbf2_lib::DbfGoNoRead(uint16_t slot, int64_t recordNumber) {
  Slot& s = Opened(slot, 4);
  s.status = kStatusDone;
  int64_t p = static_cast<int64_t>(s.recordLength) * (recordNumber - 1) + s.headerSize;
  if (recordNumber < 1 || !AtWholeRecord(s, p)) {
    s.status = kStatusEof;
    s.position = RecordsEnd(s.table.File(), s.headerSize, s.recordLength);  // past the last record
    return;
  }
  char flag = 0;
  s.table.File().ReadAt(p, &flag, 1);
  if (flag == kFlagDeleted) s.status = kStatusDeleted;
  if (flag == kEndMark) s.status = kStatusEof;
  s.position = p;
  Recompute(s);
}

bool Dbf2_lib::DbfEof(uint16_t slot) {
  if (slot < 1 || slot > kSlotCount || !slots_[slot - 1].open) return true;
  Slot& s = slots_[slot - 1];
  if (RecordsEnd(s.table.File(), s.headerSize, s.recordLength) - s.position < static_cast<int64_t>(s.recordLength)) {
    s.status = kStatusEof;
    return true;
  }
  return false;
}

void Dbf2_lib::DbfSkipEof(uint16_t slot) {
  Slot& s = Opened(slot, 8);
  s.status = kStatusEof;
  int64_t count = RecordCountOf(s.table.File(), s.headerSize, s.recordLength);
  s.recNo = count + 1;
  s.position = s.headerSize + static_cast<int64_t>(s.recordLength) * count;
  s.table.File().WriteAt(s.position, &kEndMark, 1);
}

void Dbf2_lib::DbfBlank(uint16_t slot) {
  Slot& s = Opened(slot, 4);
  std::fill(s.buffer.begin(), s.buffer.end(), ' ');
  Recompute(s);
}

void Dbf2_lib::DbfAppendBlank(uint16_t slot) {
  Slot& s = Opened(slot, 11);
  s.status = kStatusDone;
  phase_ = Phase::BeforeWrite;
  DbfSkipEof(slot);
  std::vector<char> blank(s.recordLength + 1, ' ');
  blank.back() = kEndMark;
  s.table.File().WriteAt(s.position, blank.data(), blank.size());
  Recompute(s);
}

void Dbf2_lib::WriteRecordAt(Slot& s, bool withEndMark) {
  std::vector<char>& out = s.scratch;
  out.resize(s.recordLength + (withEndMark ? 1 : 0));
  out[0] = kFlagLive;
  std::copy(s.buffer.begin(), s.buffer.begin() + (s.recordLength - 1), out.begin() + 1);
  if (withEndMark) out.back() = kEndMark;
  if (s.gatherWrites) {
    s.table.File().WriteHeld(s.position, out.data(), out.size());
  } else {
    s.table.File().WriteAt(s.position, out.data(), out.size());
  }
}

void Dbf2_lib::DbfWriteBuffer(uint16_t slot) {
  Slot& s = Opened(slot, 11);
  s.status = kStatusDone;
  phase_ = Phase::BeforeWrite;
  RecordHook(slot);
  if (s.position < s.headerSize || (s.position - s.headerSize) % s.recordLength != 0) {
    // Not on a record boundary: writing here would shift every record after it.
    s.status = kStatusEof;
    return;
  }
  WriteRecordAt(s, s.position + s.recordLength >= s.table.File().Size());
  Recompute(s);
}

// The same bytes as DbfAppendBlank followed by DbfWriteBuffer (the record,
// then the end mark, at the append position), written in one call.
void Dbf2_lib::DbfAppend(uint16_t slot) {
  Slot& s = Opened(slot, 11);
  phase_ = Phase::BeforeWrite;
  int64_t count = RecordCountOf(s.table.File(), s.headerSize, s.recordLength);
  s.position = s.headerSize + static_cast<int64_t>(s.recordLength) * count;
  RecordHook(slot);
  WriteRecordAt(s, true);
  s.status = kStatusDone;
  Recompute(s);
}

void Dbf2_lib::DbfReadRecords(uint16_t slot, int64_t first, int64_t count, char* out) {
  Slot& s = Opened(slot, 10);
  if (count <= 0) return;
  const int64_t length = s.recordLength;
  s.table.File().ReadDirectAt(s.headerSize + length * (first - 1), out, static_cast<size_t>(length * count));
}

void Dbf2_lib::DbfAppendRecords(uint16_t slot, const char* records, int64_t count) {
  Slot& s = Opened(slot, 11);
  if (count <= 0) return;
  const int64_t length = s.recordLength;
  const int64_t at = s.headerSize + length * RecordCountOf(s.table.File(), s.headerSize, s.recordLength);
  const auto bytes = static_cast<size_t>(length * count);
  if (s.gatherWrites && bytes < kGatheredBytes) {
    s.table.File().WriteHeld(at, records, bytes);
    s.table.File().WriteHeld(at + static_cast<int64_t>(bytes), &kEndMark, 1);
  } else {
    s.table.File().WriteAt(at, records, bytes);
    s.table.File().WriteAt(at + static_cast<int64_t>(bytes), &kEndMark, 1);
  }
  s.position = at + static_cast<int64_t>(bytes) - length;
  s.status = kStatusDone;
  Recompute(s);
}

void Dbf2_lib::DbfSetBuffer(uint16_t slot, const char* bytes) {
  Slot& s = Opened(slot, 11);
  std::copy_n(bytes, s.recordLength - 1, s.buffer.begin());
}

void Dbf2_lib::DbfGatherWrites(uint16_t slot, bool on) { Opened(slot, 11).gatherWrites = on; }

// Sets the flag byte of the record at the position; nothing is written
// unless the position stands at the start of a whole record.
void Dbf2_lib::WriteFlag(Slot& s, char flag, uint16_t status) {
  if (!AtWholeRecord(s, s.position)) {
    s.status = kStatusEof;
    return;
  }
  s.status = status;
  s.table.File().WriteAt(s.position, &flag, 1);
  Recompute(s);
}

void Dbf2_lib::DbfDelete(uint16_t slot) { WriteFlag(Opened(slot, 4), kFlagDeleted, kStatusDeleted); }

void Dbf2_lib::DbfRecall(uint16_t slot) {
  if (slot < 1 || slot > kSlotCount || !slots_[slot - 1].open) return;
  currentSlot_ = slot;
  WriteFlag(slots_[slot - 1], kFlagLive, kStatusDone);
}

bool Dbf2_lib::DbfIsDeleted(uint16_t slot) {
  Slot& s = Opened(slot, 4);
  if (!AtWholeRecord(s, s.position)) return false;
  char flag = 0;
  s.table.File().ReadAt(s.position, &flag, 1);
  Recompute(s);
  if (flag != kFlagDeleted) return false;
  s.status = kStatusDeleted;
  return true;
}

}  // namespace dbf
