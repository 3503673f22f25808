#include "table_edits.h"

#include "int_text.h"

namespace rawview {

namespace {

// Moves cells first .. last up by `by` places, the last one first.
void ShiftUp(CharTable& cells, int64_t first, int64_t last, int64_t by) {
  for (int64_t i = last; i >= first; --i) cells.MoveTrimmed(i, i + by);
}

void EmptyToRowEnd(CharTable& cells, int64_t from) {
  if (!cells.Contains(from)) return;
  const int64_t rowEnd = CharIndex(RowOfIndex(from), kCodesPerRow);
  for (int64_t i = from; i <= rowEnd; ++i) cells.SetEmpty(i);
}

}  // namespace

int32_t SetNewSizeTable(RawDocument& doc, int32_t insertCount) {
  const int32_t newLength = doc.FileLength + insertCount;
  doc.cells.SetRowCount(RowsFor(newLength));
  return newLength;
}

void SdvigTableToEnd(RawDocument& doc, int64_t insertPos, int32_t insertCount, std::string_view codeText,
                     int32_t newLength) {
  CharTable& cells = doc.cells;
  if (insertPos <= doc.FileLength) {
    ShiftUp(cells, insertPos, doc.FileLength, insertCount);
    for (int64_t i = insertPos; i < insertPos + insertCount; ++i) cells.SetText(i, codeText);
  } else {
    for (int32_t k = 1; k <= insertCount; ++k) cells.SetText(int64_t{doc.FileLength} + k, codeText);
  }
  doc.FileLength = newLength;
}

void DeleteChars(RawDocument& doc, int64_t first, int64_t last) {
  CharTable& cells = doc.cells;
  if (last >= doc.FileLength) {
    doc.FileLength = static_cast<int32_t>(first - 1);
    cells.SetRowCount(RowsFor(doc.FileLength));
    if (CharNoOfIndex(first) != 1) EmptyToRowEnd(cells, first);
    return;
  }
  const int64_t tail = doc.FileLength - last;
  for (int64_t k = 0; k < tail; ++k) cells.MoveTrimmed(last + 1 + k, first + k);
  EmptyToRowEnd(cells, first + tail);
  doc.FileLength -= static_cast<int32_t>(last + 1 - first);
  cells.SetRowCount(RowsFor(doc.FileLength));
}

std::optional<std::vector<uint8_t>> CopyChars(const RawDocument& doc, int64_t first, int64_t last,
                                              std::string* error) {
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(last - first + 1));
  for (int64_t i = first; i <= last; ++i) {
    if (doc.cells.IsEmpty(i)) {
      bytes.push_back(0);
      continue;
    }
    const auto v = doc.cells.Value(i);
    if (!v) {
      if (error) *error = ui::ConversionErrorText(ui::Trim(doc.cells.Text(i)));
      return std::nullopt;
    }
    bytes.push_back(static_cast<uint8_t>(*v & 0xFF));
  }
  return bytes;
}

void PasteAfter(RawDocument& doc, const std::vector<uint8_t>& bytes, int64_t after) {
  const auto size = static_cast<int64_t>(bytes.size());
  const int64_t newLength = doc.FileLength + size;
  doc.cells.SetRowCount(RowsFor(newLength));
  ShiftUp(doc.cells, after + 1, doc.FileLength, size);
  for (int64_t k = 0; k < size; ++k) doc.cells.SetCode(after + 1 + k, bytes[k]);
  EmptyToRowEnd(doc.cells, newLength + 1);
  doc.FileLength = static_cast<int32_t>(newLength);
}

}  // namespace rawview
