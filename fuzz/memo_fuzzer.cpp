// Fuzz target for the memo reader: the input's first byte chooses the kind
// of memo file (a dBASE III or IV .dbt, a FoxPro .fpt), the next four a
// block number and the next two a limit; the rest is the memo file. Every
// block the file can hold, and the one asked, must read as the reference
// reader reads it.
#include "dbf_memo.h"
#include "fuzz_files.h"
#include "memo_reference.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

using fuzzsupport::MemoKind;
using fuzzsupport::ReferenceMemo;

constexpr size_t kPrefix = 7;
constexpr uint32_t kBlocksChecked = 64;

void Compare(dbf::MemoFile& memo, const std::string& file, MemoKind kind, uint32_t block, size_t limit) {
  const auto want = fuzzsupport::ReadReferenceMemo(file, kind, block, limit);
  const dbf::Memo got = memo.Read(block, limit);
  if (static_cast<int>(got.status) != static_cast<int>(want->status) || got.bytes != want->bytes ||
      got.cut != want->cut || (got.status == dbf::Memo::kBinary && got.size != want->size)) {
    fuzzsupport::Fail("block " + std::to_string(block) + ", limit " + std::to_string(limit) + ": read status " +
                      std::to_string(got.status) + " (" + std::to_string(got.bytes.size()) + " bytes" +
                      (got.cut ? ", cut" : "") + "), reference " + std::to_string(want->status) + " (" +
                      std::to_string(want->bytes.size()) + " bytes" + (want->cut ? ", cut" : "") + ")");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kPrefix) return 0;
  const auto kind = static_cast<MemoKind>(data[0] % 3);
  uint32_t asked = 0;
  std::memcpy(&asked, data + 1, 4);
  const size_t limit = static_cast<size_t>(data[5] | data[6] << 8);
  const std::string file(reinterpret_cast<const char*>(data) + kPrefix, size - kPrefix);
  const std::string path = fuzzsupport::ScratchPath(kind == MemoKind::kFoxPro ? "memo.fpt" : "memo.dbt");
  fuzzsupport::WriteWholeFile(path, file);

  dbf::MemoFile memo;
  const bool opened = memo.Open(path, kind == MemoKind::kDbase3 ? 0x83 : 0x8B);
  if (opened != fuzzsupport::ReadReferenceMemo(file, kind, 0, 0).has_value()) {
    fuzzsupport::Fail(opened ? "opened a file without a header" : "refused a file with a header");
  }
  if (!opened) return 0;
  for (uint32_t block = 0; block < kBlocksChecked; ++block) Compare(memo, file, kind, block, limit);
  Compare(memo, file, kind, asked, limit);
  return 0;
}
