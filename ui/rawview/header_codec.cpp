#include "header_codec.h"

#include "dbf_header.h"
#include "dbf_texts.h"
#include "int_text.h"

#include <algorithm>

namespace rawview {

namespace {

constexpr char kBadRow[] = DBF_TR_NOOP("HeaderCodec", "Недопустимый номер строки!");
constexpr size_t kEditChars = 12;

uint32_t U32(const RowBytes& b, int at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

std::string TwoDigits(uint8_t v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// Byte b<k> of the 32 starting at row `row`.
int64_t ByteIndex(int64_t row, int k) { return CharIndex(row, 1) + k; }

void WriteBytes(CharTable& cells, int64_t row, int firstByte, uint32_t value, int count) {
  for (int k = 0; k < count; ++k) cells.SetCode(ByteIndex(row, firstByte + k), (value >> (8 * k)) & 0xFF);
}

// The byte a cell stands for: an empty cell 0, a number its low 8 bits; none
// for a cell whose text (cut to an edit's 12 characters) does not convert.
std::optional<uint8_t> CellByte(const CharTable& cells, int64_t index) {
  if (cells.IsEmpty(index)) return 0;
  const auto v = cells.Value(index, kEditChars);
  if (!v) return std::nullopt;
  return static_cast<uint8_t>(*v & 0xFF);
}

// Characters first .. first + n - 1 of the document as bytes; none when one
// of them does not convert.
std::optional<std::string> DocumentBytes(const RawDocument& doc, int64_t first, int64_t n) {
  std::string bytes(static_cast<size_t>(n), '\0');
  for (int64_t k = 0; k < n; ++k) {
    const auto b = CellByte(doc.cells, first + k);
    if (!b) return std::nullopt;
    bytes[static_cast<size_t>(k)] = static_cast<char>(*b);
  }
  return bytes;
}

}  // namespace

std::string EditValue(const std::string& text) { return std::string(ui::Trim(text).substr(0, kEditChars)); }

std::optional<RowBytes> ReadRowBytes(const CharTable& cells, int64_t row, std::string* error) {
  if (row < 1 || row >= cells.RowCount()) {
    *error = dbf::Tr("HeaderCodec", kBadRow);
    return std::nullopt;
  }
  RowBytes b{};
  for (int k = 0; k < 32; ++k) {
    const int64_t index = ByteIndex(row, k);
    const auto v = CellByte(cells, index);
    if (!v) {
      *error = ui::ConversionErrorText(EditValue(cells.Text(index)));
      return std::nullopt;
    }
    b[k] = *v;
  }
  return b;
}

bool WideCharLengths(const RawDocument& doc) {
  const auto header = DocumentBytes(doc, 1, std::min<int64_t>(doc.FileLength, dbf::kHeaderSize));
  if (!header || header->size() < static_cast<size_t>(dbf::kHeaderSize)) return false;
  const int64_t stated = std::min<int64_t>(doc.FileLength, dbf::GetU16(header->data() + 8));
  const auto area = stated > dbf::kHeaderSize ? DocumentBytes(doc, 1, stated) : header;
  if (!area) return false;
  return dbf::HeaderHasWideCharLengths(area->data(), dbf::CountFieldDescriptors(area->data(), area->size()));
}

HeaderTexts DecodeHeader(const RowBytes& b) {
  return {std::to_string(b[0]), TwoDigits(b[1]) + "-" + TwoDigits(b[2]) + "-" + TwoDigits(b[3]),
          std::to_string(b[8] | (b[9] << 8)), std::to_string(U32(b, 10)), std::to_string(U32(b, 4))};
}

DescriptorTexts DecodeDescriptor(const RowBytes& b, bool wideCharLengths) {
  std::string name;
  for (int k = 0; k < 10; ++k) {
    if (b[k] >= 33) name += static_cast<char>(b[k]);
  }
  // A zero type byte has no character to show.
  const std::string type = b[11] ? std::string(1, static_cast<char>(b[11])) : std::string();
  const char* descriptor = reinterpret_cast<const char*>(b.data());
  return {name, type, std::to_string(dbf::DescriptorLength(descriptor, wideCharLengths)), std::to_string(U32(b, 12)),
          std::to_string(dbf::DescriptorDecimals(descriptor, wideCharLengths))};
}

std::string WriteHeader(CharTable& cells, int64_t row, const HeaderTexts& edits) {
  // The header's bytes all lie in the row itself, which must exist: a table
  // emptied by deletion has no data row at all.
  if (row < 1 || row > cells.RowCount()) return dbf::Tr("HeaderCodec", kBadRow);
  const std::string headerSizeText = EditValue(edits.headerSize);
  const std::string recordLengthText = EditValue(edits.recordLength);
  const std::string recordCountText = EditValue(edits.recordCount);
  const auto headerSize = ui::StrToInt(headerSizeText);
  if (!headerSize) return ui::ConversionErrorText(headerSizeText);
  const auto recordLength = ui::StrToInt32Bits(recordLengthText);
  if (!recordLength) return ui::ConversionErrorText(recordLengthText);
  const auto recordCount = ui::StrToInt32Bits(recordCountText);
  if (!recordCount) return ui::ConversionErrorText(recordCountText);

  cells.SetText(ByteIndex(row, 0), EditValue(edits.version));
  // The date is split at its first two "-"; a missing piece is empty.
  const std::string date = EditValue(edits.date);
  const auto dash1 = date.find('-');
  const auto dash2 = dash1 == std::string::npos ? std::string::npos : date.find('-', dash1 + 1);
  const std::string year = date.substr(0, dash1);
  const std::string month = dash1 == std::string::npos ? "" : date.substr(dash1 + 1, dash2 - dash1 - 1);
  const std::string day = dash2 == std::string::npos ? "" : date.substr(dash2 + 1);
  cells.SetText(ByteIndex(row, 1), year);
  cells.SetText(ByteIndex(row, 2), month);
  cells.SetText(ByteIndex(row, 3), day);
  WriteBytes(cells, row, 8, static_cast<uint32_t>(*headerSize) & 0xFFFF, 2);
  WriteBytes(cells, row, 10, static_cast<uint32_t>(*recordLength), 4);
  WriteBytes(cells, row, 4, static_cast<uint32_t>(*recordCount), 4);
  return {};
}

std::vector<std::string> WriteDescriptor(RawDocument& doc, int64_t row, const DescriptorTexts& edits) {
  CharTable& cells = doc.cells;
  if (row < 1 || row >= cells.RowCount()) return {dbf::Tr("HeaderCodec", kBadRow)};
  const std::string offsetText = EditValue(edits.offset);
  const auto offset = ui::StrToInt32Bits(offsetText);
  if (!offset) return {ui::ConversionErrorText(offsetText)};
  // Decided before anything is written, as DecodeDescriptor decided it.
  const bool wideLength = CellByte(cells, ByteIndex(row, 11)) == 'C' && WideCharLengths(doc);

  std::vector<std::string> messages;
  const std::string name = EditValue(edits.name);
  for (int k = 0; k < 10; ++k) cells.SetCode(ByteIndex(row, k), 0);
  for (size_t k = 0; k < name.size() && k < 10; ++k) {
    cells.SetCode(ByteIndex(row, static_cast<int>(k)), static_cast<uint8_t>(name[k]), true);
  }
  cells.SetCode(ByteIndex(row, 10), 0);
  const std::string type = EditValue(edits.type);
  if (!type.empty() && std::string_view("CDLMN").find(type[0]) != std::string_view::npos) {
    cells.SetCode(ByteIndex(row, 11), static_cast<uint8_t>(type[0]), true);
  } else {
    messages.push_back("Error type Field!");
  }
  WriteBytes(cells, row, 12, static_cast<uint32_t>(*offset), 4);
  const std::string lengthText = EditValue(edits.length);
  const auto length = wideLength ? ui::StrToInt(lengthText) : std::nullopt;
  if (length && *length >= 0 && *length <= 0xFFFF) {
    WriteBytes(cells, row, 16, static_cast<uint32_t>(*length), 2);
  } else {
    cells.SetText(ByteIndex(row, 16), lengthText);
    cells.SetText(ByteIndex(row, 17), EditValue(edits.decimals));
  }
  return messages;
}

}  // namespace rawview
