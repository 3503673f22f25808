// Fuzz target for the header repair. The input is a table file; it is
// repaired into a new file twice, keeping the stored offsets and computing
// them afresh. The copy may differ from the input only in the descriptors'
// names (each cut at its first byte below 33 and padded with zeros) and, on
// request, their offsets; a table the engine opens still opens after the
// repair, and with fresh offsets its fields follow one another from the
// first byte after the flag, each as long as the engine reads it.
#include "dbf2_lib.h"
#include "dbf_file.h"
#include "dbf_header.h"
#include "fuzz_files.h"
#include "header_repair.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using fuzzsupport::Fail;

constexpr size_t kNameBytes = 10;

// The descriptors the repair works on: those the engine counts among the
// bytes up to the stated header size.
int DescriptorCount(const std::string& input) {
  if (input.size() < 10) return 0;
  const size_t stated = std::max<size_t>(dbf::GetU16(input.data() + 8), dbf::kHeaderSize);
  return dbf::CountFieldDescriptors(input.data(), std::min(stated, input.size()));
}

// Runs the repair and returns the copy's bytes.
std::string Repaired(const std::string& source, bool recomputeOffsets, bool& repaired) {
  const std::string target = fuzzsupport::ScratchPath(recomputeOffsets ? "offsets.dbf" : "names.dbf");
  dbf::TableFile in;
  dbf::TableFile out;
  if (!in.OpenForReading(source)) Fail("the input does not open for reading");
  out.Create(target);
  const int64_t size = in.Size();
  int64_t last = -1;
  repaired = RepairHeader(in, out, recomputeOffsets, [&](int64_t position) {
    if (position <= last || position > size) Fail("the progress goes back or past the file");
    last = position;
  });
  if (repaired && last != size) Fail("the progress does not end at the file's size");
  in.Close();
  out.Close();
  return fuzzsupport::ReadWholeFile(target);
}

// A name cut at its first byte below 33: those bytes, then zeros only.
void CheckName(const char* before, const char* after) {
  size_t kept = 0;
  while (kept < kNameBytes && static_cast<unsigned char>(before[kept]) >= 33) ++kept;
  if (!std::equal(before, before + kept, after) ||
      std::any_of(after + kept, after + kNameBytes, [](char c) { return c != 0; })) {
    Fail("a name is not cut at its first byte below 33");
  }
}

void CheckCopy(const std::string& input, const std::string& copy, int fields, bool recomputeOffsets) {
  if (copy.size() != input.size()) Fail("the copy's size differs from the input's");
  std::string expected = input;
  for (int i = 0; i < fields; ++i) {
    const size_t at = dbf::kHeaderSize + static_cast<size_t>(i) * dbf::kDescriptorSize;
    CheckName(input.data() + at, copy.data() + at);
    std::copy_n(copy.begin() + static_cast<ptrdiff_t>(at), kNameBytes, expected.begin() + static_cast<ptrdiff_t>(at));
    if (recomputeOffsets) std::copy_n(copy.begin() + static_cast<ptrdiff_t>(at + 12), 4, expected.begin() + static_cast<ptrdiff_t>(at + 12));
  }
  if (copy != expected) Fail("the copy differs from the input outside the names and offsets");
}

// Opens the table for reading; false when the engine refuses it.
bool Opens(dbf::Dbf2_lib& db, uint16_t slot, const std::string& path) {
  try {
    db.DbfOpenForReading(slot, path);
  } catch (const dbf::DbfAbort&) {
    return false;
  }
  return db.DbfIsOpen(slot);
}

void CheckWithEngine(const std::string& source, const std::string& copy, bool recomputeOffsets) {
  dbf::Dbf2_lib db;
  if (!Opens(db, 1, source)) return;
  const std::string path = fuzzsupport::ScratchPath("reopened.dbf");
  fuzzsupport::WriteWholeFile(path, copy);
  if (!Opens(db, 2, path)) Fail("the engine refuses a repaired table it opened before");
  if (db.DbfFieldCount(2) != db.DbfFieldCount(1)) Fail("the repaired table has other fields");
  if (!recomputeOffsets) return;
  uint64_t next = 1;
  for (const dbf::FieldNode* f = db.DbfFields(2); f; f = f->next) {
    if (f->offset != next) Fail("a fresh offset is not where the field before it ends");
    next += f->length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::SilenceEngine();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string source = fuzzsupport::ScratchPath("source.dbf");
  fuzzsupport::WriteWholeFile(source, input);
  const int fields = DescriptorCount(input);
  for (const bool recomputeOffsets : {false, true}) {
    bool repaired = false;
    const std::string copy = Repaired(source, recomputeOffsets, repaired);
    if (repaired != (fields > 0)) Fail("the repair refuses a header with descriptors or takes one without");
    if (!repaired) {
      if (copy != input.substr(0, dbf::kHeaderSize)) Fail("a refused repair writes more than the header's 32 bytes");
      continue;
    }
    CheckCopy(input, copy, fields, recomputeOffsets);
    CheckWithEngine(source, copy, recomputeOffsets);
  }
  return 0;
}
