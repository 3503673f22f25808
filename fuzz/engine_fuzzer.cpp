// Fuzz target for the table engine. The input is a table file; every step an
// ordinary session takes runs on it or on a copy of it: open and read every
// field of every record, move to the edges, purge, sort, copy the structure
// and the records (also into a table of other types and widths), add and
// delete fields, put values and write them; the bytes after the records
// the header counts are the table's memo file, whose memos are read for the
// memo fields of the records. Engine errors and input/output
// errors end a step, as they end a command; purge and sort results are
// checked against a plain reading of the bytes.
#include "dbf2_lib.h"
#include "dbf_header.h"
#include "dbf_memo.h"
#include "dbf_names.h"
#include "dbf_number.h"
#include "fuzz_files.h"
#include "table_reference.h"

#include <algorithm>
#include <cstdio>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

using fuzzsupport::Fail;
using fuzzsupport::ReadWholeFile;
using fuzzsupport::ScratchPath;
using fuzzsupport::WriteWholeFile;

// Records walked at most per table, so a long table stays a quick run.
constexpr int64_t kWalkLimit = 256;
// The sort's memory limit: a sort that would need more is refused and skipped.
constexpr uint64_t kSortMemoryLimit = 64ull << 20;

// Runs one step; an engine error or an input/output failure ends it.
void Step(const std::function<void()>& step) {
  try {
    step();
  } catch (const dbf::DbfAbort&) {
  } catch (const dbf::IoError&) {
  }
}

void ReadEveryField(dbf::Dbf2_lib& db, uint16_t slot) {
  for (const dbf::FieldNode* f = db.DbfFields(slot); f; f = f->next) {
    db.DbfGetStr(slot, f->LookupName());
    if (dbf::IsNumericType(f->type)) db.DbfGetNum(slot, f->LookupName());
  }
}

void WalkTable(dbf::Dbf2_lib& db, const std::string& path) {
  db.DbfOpen(1, path);
  if (!db.DbfIsOpen(1)) return;
  const int64_t count = db.DbfRecCount(1);
  for (int64_t n = 1; n <= std::min(count, kWalkLimit); ++n) {
    db.DbfGo(1, n);
    if (db.DbfStatus(1) != dbf::kStatusEof) ReadEveryField(db, 1);
    db.DbfIsDeleted(1);
  }
  db.DbfFirst(1);
  for (int64_t n = 0; n < kWalkLimit && db.DbfStatus(1) != dbf::kStatusEof; ++n) {
    ReadEveryField(db, 1);
    db.DbfSkip(1);
  }
  for (int64_t n : {int64_t{0}, int64_t{1}, count, count + 1}) {
    db.DbfGo(1, n);
    db.DbfGoNoRead(1, n);
  }
  db.DbfTop(1);
  db.DbfSkipBof(1);
  db.DbfCloseAll();
}

void PackCopy(dbf::Dbf2_lib& db, const std::string& input) {
  const std::string path = ScratchPath("pack.dbf");
  WriteWholeFile(path, input);
  db.DbfOpen(1, path);
  if (!db.DbfIsOpen(1)) return;
  const testsupport::RawRecords raw = testsupport::SplitRecords(input);
  // A table with no whole record, or whose first record starts with the end
  // mark, has nothing to purge. A whole last record counts even when its last
  // byte is 0x1A.
  const bool purges = !raw.records.empty() && raw.records.front()[0] != '\x1A';
  db.DbfPack(1);
  const std::string packed = ReadWholeFile(path);
  std::string expected = input;
  if (purges) {
    expected = input.substr(0, raw.headerSize);
    for (const std::string& r : testsupport::LiveRecords(raw)) expected += r;
    expected += '\x1A';
  }
  if (packed != expected) Fail("purge did not keep exactly the live records");
  db.DbfCloseAll();
}

void SortCopy(dbf::Dbf2_lib& db, const std::string& input, const std::string& path) {
  const std::string target = ScratchPath("sorted.dbf");
  db.DbfAssign(1, path);
  db.DbfAssign(2, target);
  db.DbfSortInit(1);
  if (!db.DbfIsOpen(1)) return;
  int keys = 0;
  for (const dbf::FieldNode* f = db.DbfFields(1); f && keys < 3; f = f->next, ++keys) {
    db.DbfSortAddKey(f->Name(), keys % 2 == 0 ? 1 : 2);
  }
  std::vector<testsupport::KeyField> reference;
  for (const dbf::SortKey& k : db.DbfSortKeys()) {
    reference.push_back({k.type, k.fieldOffset, k.length, k.direction == 1});
  }
  db.SetSortMemoryLimit(kSortMemoryLimit);
  if (db.DbfSortTo(1, 2) != dbf::SortOutcome::Sorted) return;
  const testsupport::RawRecords raw = testsupport::SplitRecords(input);
  const std::string sorted = ReadWholeFile(target);
  std::string expected;
  for (const std::string& r : testsupport::StablySorted(raw, reference)) expected += r;
  expected += '\x1A';
  if (sorted.size() < raw.headerSize || sorted.substr(raw.headerSize) != expected) {
    Fail("sort output differs from a stable sort by the same keys");
  }
}

// The structure copied into a new file, then every record carried over by
// field name.
void CopyStructureAndRecords(dbf::Dbf2_lib& db, const std::string& path) {
  const std::string target = ScratchPath("copy.dbf");
  db.DbfAssign(1, path);
  db.DbfAssign(3, target);
  if (!db.DbfCopyStructure(1, 3)) return;
  db.DbfOpen(1, path);
  db.DbfOpen(3, target);
  if (!db.DbfIsOpen(1) || !db.DbfIsOpen(3)) return;
  int64_t appended = 0;
  for (db.DbfFirst(1); db.DbfStatus(1) != dbf::kStatusEof && appended < kWalkLimit; db.DbfSkip(1)) {
    db.DbfBlank(3);
    db.DbfCopyFields(1, 3);
    db.DbfAppend(3);
    ++appended;
  }
  if (db.DbfRecCount(3) != appended) Fail("copied records were not all appended");
  db.DbfCloseAll();
}

// A new table with the first fields' names but other types and widths, filled
// from the input by field name: numbers into text and text into numbers,
// values cut or widened.
void CopyIntoOtherLayout(dbf::Dbf2_lib& db, const std::string& path, uint8_t seed) {
  db.DbfOpen(1, path);
  if (!db.DbfIsOpen(1)) return;
  const std::string target = ScratchPath("other.dbf");
  db.DbfCreate(6, 1, target);
  int added = 0;
  for (const dbf::FieldNode* f = db.DbfFields(1); f && added < 4; f = f->next, ++added) {
    const char type = dbf::IsNumericType(f->type) ? 'C' : 'N';
    const auto length = static_cast<uint8_t>(1 + (seed + 7 * added) % 20);
    db.DbfAddField(6, std::string(f->name.data(), f->name.size()), type, length, seed % 4);
  }
  db.DbfOpen(6, target);
  for (int64_t n = 0; n < kWalkLimit && db.DbfStatus(1) != dbf::kStatusEof; ++n, db.DbfSkip(1)) {
    db.DbfBlank(6);
    db.DbfCopyFields(1, 6);
    db.DbfAppend(6);
  }
  db.DbfCloseAll();
}

void AddAndDeleteFields(dbf::Dbf2_lib& db, const std::string& path, uint8_t length) {
  db.DbfOpen(4, path);
  if (!db.DbfIsOpen(4)) return;
  const int before = db.DbfFieldCount(4);
  const std::string first = db.DbfFields(4) ? db.DbfFields(4)->Name() : std::string("NONE");
  db.DbfClose(4);
  if (db.DbfAddField(4, "FUZZADDED", 'C', length, 0)) {
    db.DbfOpen(4, path);
    if (db.DbfFieldCount(4) != before + 1) Fail("an added field is not in the field list");
    db.DbfClose(4);
  }
  db.DbfDeleteField(4, first);
  db.DbfOpen(4, path);
  const std::string gone = dbf::NormalName(first);
  for (const dbf::FieldNode* f = db.DbfFields(4); f; f = f->next) {
    // Names compare as the deletion cuts them: at the first byte below 0x21.
    size_t n = 0;
    while (n < f->name.size() && static_cast<unsigned char>(f->name[n]) >= 0x21) ++n;
    if (!gone.empty() && dbf::NormalName(std::string(f->name.data(), n)) == gone) {
      Fail("a deleted field is still there");
    }
  }
  db.DbfCloseAll();
}

// Fields with names of their own lying inside the record without overlapping
// read back what was put into them.
bool ReadsBackWhatIsPut(const dbf::FieldNode* fields, uint32_t recordLength) {
  std::vector<bool> used(recordLength, false);
  for (const dbf::FieldNode* f = fields; f; f = f->next) {
    if (f->offset == 0 || static_cast<uint64_t>(f->offset) + f->length > recordLength) return false;
    for (uint32_t i = f->offset; i < f->offset + f->length; ++i) {
      if (used[i]) return false;
      used[i] = true;
    }
    for (const dbf::FieldNode* g = fields; g != f; g = g->next) {
      if (g->name == f->name) return false;
    }
  }
  return true;
}

void PutValues(dbf::Dbf2_lib& db, const std::string& input, uint8_t seed) {
  const std::string path = ScratchPath("put.dbf");
  WriteWholeFile(path, input);
  db.DbfOpen(5, path);
  if (!db.DbfIsOpen(5)) return;
  const bool checkable = ReadsBackWhatIsPut(db.DbfFields(5), db.DbfRecordLength(5));
  db.DbfAppendBlank(5);
  const int64_t written = db.DbfRecNo(5);
  std::vector<std::string> texts;
  int i = 0;
  for (const dbf::FieldNode* f = db.DbfFields(5); f; f = f->next, ++i) {
    std::string text(std::min<size_t>(f->length, (seed + i) % 300), static_cast<char>('A' + i % 26));
    texts.push_back(text);
    if (dbf::IsNumericType(f->type)) {
      db.DbfPutNum(5, (seed - 128) * 1.25 + i, f->LookupName());
    } else {
      db.DbfPutStr(5, text, f->LookupName());
    }
  }
  db.DbfWriteBuffer(5);
  db.DbfGo(5, written);
  if (!checkable || db.DbfStatus(5) == dbf::kStatusEof) return;
  i = 0;
  for (const dbf::FieldNode* f = db.DbfFields(5); f; f = f->next, ++i) {
    if (!dbf::IsNumericType(f->type) && db.DbfGetStr(5, f->LookupName()) != texts[i]) {
      Fail("a value put and written does not read back");
    }
  }
  db.DbfCloseAll();
}

// The input up to the end of the records its header counts (and their end
// mark) is the table; the rest is its memo file: a .fpt for the FoxPro
// family, else a .dbt. Every memo field of the records is read with a small
// limit and without one, which must agree.
void ReadMemos(const std::string& input, uint8_t seed) {
  if (input.size() < dbf::kHeaderSize) return;
  const char* header = input.data();
  uint64_t end = dbf::GetU16(header + 8) + uint64_t{dbf::GetU32(header + 4)} * dbf::GetU16(header + 10);
  end = std::min<uint64_t>(end, input.size());
  if (end < input.size() && input[end] == '\x1A') ++end;
  const auto version = static_cast<uint8_t>(header[0]);
  const bool foxPro = version == 0x30 || version == 0x31 || version == 0x32 || version == 0xF5;
  const std::string table = ScratchPath("memo.dbf");
  WriteWholeFile(table, input.substr(0, end));
  WriteWholeFile(ScratchPath(foxPro ? "memo.fpt" : "memo.dbt"), input.substr(end));
  std::remove(ScratchPath(foxPro ? "memo.dbt" : "memo.fpt").c_str());
  dbf::MemoFile memos;
  if (!memos.Open(dbf::FindMemoFile(table), version)) return;
  dbf::Dbf2_lib db;
  db.DbfOpenForReading(1, table);
  if (!db.DbfIsOpen(1)) return;
  std::vector<char> record(db.DbfRecordLength(1));
  const size_t limit = 1 + seed % 600;
  for (int64_t n = 1; n <= std::min(db.DbfRecCount(1), kWalkLimit); ++n) {
    db.DbfReadRecords(1, n, 1, record.data());
    for (const dbf::FieldNode* f = db.DbfFields(1); f; f = f->next) {
      if (!dbf::IsMemoField(f->type, f->length) || uint64_t{f->offset} + f->length > record.size()) continue;
      const std::optional<uint32_t> block = dbf::MemoBlockNumber(record.data() + f->offset, f->length);
      if (!block || *block == 0) continue;
      const dbf::Memo memo = memos.Read(*block, limit);
      if (memo.bytes.size() > limit || (memo.cut && memo.bytes.size() != limit)) Fail("a memo read past its limit");
      const dbf::Memo whole = memos.Read(*block, SIZE_MAX);
      if (whole.status != memo.status || whole.bytes.compare(0, limit, memo.bytes) != 0 || whole.cut) {
        Fail("a memo reads otherwise with another limit");
      }
    }
  }
  db.DbfCloseAll();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::SilenceEngine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string path = ScratchPath("input.dbf");
  const uint8_t seed = size > 0 ? data[size - 1] : 0;
  dbf::Dbf2_lib db;
  WriteWholeFile(path, input);
  Step([&] { WalkTable(db, path); });
  Step([&] { PackCopy(db, input); });
  Step([&] { SortCopy(db, input, path); });
  Step([&] { CopyStructureAndRecords(db, path); });
  Step([&] { CopyIntoOtherLayout(db, path, seed); });
  WriteWholeFile(path, input);
  Step([&] { AddAndDeleteFields(db, path, seed); });
  Step([&] { PutValues(db, input, seed); });
  Step([&] { ReadMemos(input, seed); });
  return 0;
}
