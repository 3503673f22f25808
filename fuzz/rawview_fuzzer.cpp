// Fuzz target for the raw view's model. The input is any file: it is loaded
// into the character table, every row is decoded as a header and as a field
// descriptor and written back, runs of characters are inserted, deleted,
// copied and pasted, typed cell texts are checked, and the table is saved and
// loaded again. A plain byte string follows every step, and the table must
// always hold exactly its bytes.
#include "cell_check.h"
#include "fuzz_files.h"
#include "header_codec.h"
#include "int_text.h"
#include "raw_file.h"
#include "table_edits.h"
#include "transfer_buffer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using fuzzsupport::Fail;
using rawview::CharIndex;
using rawview::RawDocument;

// Rows decoded and written back at most per run.
constexpr int64_t kRowLimit = 64;

std::string TableBytes(const RawDocument& doc) {
  if (doc.FileLength == 0) return {};
  std::string error;
  auto bytes = rawview::CopyChars(doc, 1, doc.FileLength, &error);
  if (!bytes) Fail("a loaded or edited table holds a cell that is not a code: " + error);
  return std::string(bytes->begin(), bytes->end());
}

void Expect(const RawDocument& doc, const std::string& expected, const char* step) {
  if (doc.FileLength != static_cast<int64_t>(expected.size()) || TableBytes(doc) != expected) {
    Fail(std::string("the table does not hold the bytes expected after ") + step);
  }
}

// Header and descriptor read from each row and written back as decoded: the
// header comes back unchanged, the descriptor with its name closed up (bytes
// below 33 dropped, zeros after) and byte 10 zero.
void DecodeAndWriteRows(RawDocument& doc, std::string& expected) {
  for (int64_t row = 1; row <= std::min(doc.cells.RowCount(), kRowLimit); ++row) {
    std::string error;
    const auto b = rawview::ReadRowBytes(doc.cells, row, &error);
    if (!b) continue;
    const rawview::HeaderTexts header = rawview::DecodeHeader(*b);
    rawview::DescriptorTexts descriptor = rawview::DecodeDescriptor(*b, rawview::WideCharLengths(doc));
    const size_t first = static_cast<size_t>(CharIndex(row, 1) - 1);
    if (first + 14 <= expected.size()) {
      if (!rawview::WriteHeader(doc.cells, row, header).empty()) Fail("a decoded header does not write back");
      Expect(doc, expected, "writing a decoded header back");
    }
    if (first + 32 <= expected.size()) {
      for (char& c : descriptor.name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      for (char& c : descriptor.type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      rawview::WriteDescriptor(doc, row, descriptor);
      const std::string name = rawview::EditValue(descriptor.name).substr(0, 10);
      expected.replace(first, 11, std::string(11, '\0'));
      expected.replace(first, name.size(), name);
      if (!descriptor.type.empty() && std::string("CDLMN").find(descriptor.type[0]) != std::string::npos) {
        expected[first + 11] = descriptor.type[0];
      }
      Expect(doc, expected, "writing a decoded descriptor back");
    }
  }
}

void InsertDeleteCopyPaste(RawDocument& doc, std::string& expected, FuzzedDataProvider& in) {
  for (int round = 0; round < 4; ++round) {
    const auto length = static_cast<int64_t>(expected.size());
    const int32_t count = in.ConsumeIntegralInRange<int32_t>(1, 40);
    const int64_t at = in.ConsumeIntegralInRange<int64_t>(1, length + 2);
    const uint8_t code = in.ConsumeIntegral<uint8_t>();
    const int32_t newLength = rawview::SetNewSizeTable(doc, count);
    rawview::SdvigTableToEnd(doc, at, count, std::to_string(code), newLength);
    expected.insert(static_cast<size_t>(std::min(at - 1, length)), static_cast<size_t>(count),
                    static_cast<char>(code));
    Expect(doc, expected, "an insertion");

    const int64_t first = in.ConsumeIntegralInRange<int64_t>(1, doc.FileLength);
    const int64_t last = in.ConsumeIntegralInRange<int64_t>(first, doc.FileLength + 3);
    std::string error;
    rawview::EmptyTransferBuffer();
    const auto copied = rawview::CopyChars(doc, first, std::min<int64_t>(last, doc.FileLength), &error);
    if (!copied) Fail("a range of codes does not copy");
    rawview::TransferBuffer = *copied;
    rawview::TransferSize = static_cast<int32_t>(copied->size());
    if (std::string(copied->begin(), copied->end()) != expected.substr(first - 1, copied->size())) {
      Fail("the copied range differs from the table's bytes");
    }

    if (in.ConsumeBool()) {
      rawview::DeleteChars(doc, first, last);
      expected.erase(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
      Expect(doc, expected, "a deletion");
    }
    const int64_t after = in.ConsumeIntegralInRange<int64_t>(0, doc.FileLength);
    rawview::PasteAfter(doc, rawview::TransferBuffer, after);
    expected.insert(static_cast<size_t>(after), std::string(copied->begin(), copied->end()));
    Expect(doc, expected, "a paste");
  }
}

// Text typed into a cell: the checks and conversions must agree on whether
// it is a code.
void TypedText(RawDocument& doc, const std::string& expected, const std::string& text) {
  const std::string_view trimmed = ui::Trim(text);
  const auto value = ui::StrToInt(trimmed);
  ui::StrToInt32Bits(trimmed);
  rawview::TextAfterKey(text, text.empty() ? 0 : static_cast<uint8_t>(text.back()));
  const bool code = value && *value >= 0 && *value <= 255;
  if (rawview::CheckCodeText(trimmed, 1, 2).empty() != (code || trimmed.empty())) {
    Fail("the cell check and the conversion disagree on \"" + text + "\"");
  }
  if (expected.empty()) return;
  doc.cells.SetText(1, text);
  if (doc.cells.Code(1).has_value() != code) Fail("a cell's code and the conversion disagree");
  doc.cells.SetCode(1, static_cast<uint8_t>(expected[0]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzzsupport::ScratchPath("raw.bin");
  fuzzsupport::WriteWholeFile(path, input);
  RawDocument doc;
  if (rawview::LoadFile(path, doc) != rawview::LoadResult::Loaded) Fail("a readable file does not load");
  std::string expected = input;
  Expect(doc, expected, "loading");
  if (rawview::CountBadCells(doc) != 0) Fail("a loaded file has bad cells");

  FuzzedDataProvider in(data, size);
  DecodeAndWriteRows(doc, expected);
  InsertDeleteCopyPaste(doc, expected, in);
  TypedText(doc, expected, in.ConsumeRandomLengthString(16));

  const std::string saved = fuzzsupport::ScratchPath("saved.bin");
  std::remove(saved.c_str());
  ui::FileServices files;
  rawview::SaveTable(files, doc, saved, false, "done");
  RawDocument again;
  rawview::LoadFile(saved, again);
  if (!expected.empty() && fuzzsupport::ReadWholeFile(saved) != expected) Fail("the saved file differs");
  Expect(again, expected, "saving and loading again");
  return 0;
}
