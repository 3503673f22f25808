#include "view_order.h"

#include "cell_values.h"
#include "code_points.h"
#include "dbf_number.h"
#include "record_store.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr size_t kTextKeyChars = 64;
constexpr size_t kPrefixBytes = sizeof(uint64_t);

bool Blank(std::string_view cell) {
  return std::all_of(cell.begin(), cell.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// A character as the letters are ordered: case folded, "ё" with "е".
char16_t LetterOrder(char16_t c) {
  const char16_t folded = QChar(c).toCaseFolded().unicode();
  return folded == u'ё' ? u'е' : folded;
}

// Each byte of a single-byte page turned into its character's place among
// the page's characters in letter order (0 for byte 0, the lowest).
std::array<uint8_t, 256> LetterWeights(ui::CodePage page) {
  const ui::CodePoints& points = ui::CodePointsOf(page);
  std::array<char16_t, 256> letters{};
  for (size_t b = 0; b < letters.size(); ++b) letters[b] = LetterOrder(points[b]);
  std::array<char16_t, 256> ordered = letters;
  std::sort(ordered.begin(), ordered.end());
  const auto end = std::unique(ordered.begin(), ordered.end());
  std::array<uint8_t, 256> weights{};
  for (size_t b = 0; b < letters.size(); ++b) {
    weights[b] = static_cast<uint8_t>(std::lower_bound(ordered.begin(), end, letters[b]) - ordered.begin());
  }
  return weights;
}

// The 8 digits YYYYMMDD of a date cell: stored as such, or typed as
// D.M.YYYY (with ".", "/" or "-"); nothing for any other text.
std::optional<std::array<char, 8>> DateDigits(std::string_view cell) {
  const std::string text = cells::Trimmed(cell);
  std::array<char, 8> digits{};
  if (text.size() == 8 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    std::copy(text.begin(), text.end(), digits.begin());
    return digits;
  }
  std::array<std::string, 3> parts;
  size_t part = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      parts[part] += c;
    } else if ((c == '.' || c == '/' || c == '-') && part < 2) {
      ++part;
    } else {
      return std::nullopt;
    }
  }
  if (part != 2 || parts[0].empty() || parts[0].size() > 2 || parts[1].empty() || parts[1].size() > 2 ||
      parts[2].size() != 4) {
    return std::nullopt;
  }
  const std::string joined = parts[2] + std::string(2 - parts[1].size(), '0') + parts[1] +
                             std::string(2 - parts[0].size(), '0') + parts[0];
  std::copy(joined.begin(), joined.end(), digits.begin());
  return digits;
}

// Turns a column's cells into byte strings of one width whose unsigned byte
// order is the order of their values.
class CellCoder {
 public:
  CellCoder(ColumnField field, ui::CodePage page) : page_(page) {
    switch (field.type) {
      case 'N': case 'n': case 'F': case 'f':
        kind_ = Kind::kNumber;
        width_ = 1 + sizeof(uint64_t);
        break;
      case 'D': case 'd':
        kind_ = Kind::kDate;
        width_ = 8;
        break;
      case 'L': case 'l':
        kind_ = Kind::kLogical;
        width_ = 1;
        break;
      default: {
        const size_t chars = std::min<size_t>(field.length > 0 ? static_cast<size_t>(field.length) : kTextKeyChars,
                                              kTextKeyChars);
        kind_ = page == ui::CodePage::SystemDefault ? Kind::kWideText : Kind::kText;
        width_ = kind_ == Kind::kWideText ? 2 * chars : chars;
        if (kind_ == Kind::kText) weights_ = LetterWeights(page);
      }
    }
  }

  size_t Width() const { return width_; }

  void Encode(std::string_view cell, unsigned char* out) const {
    std::memset(out, 0, width_);
    switch (kind_) {
      case Kind::kNumber: {
        if (Blank(cell)) return;
        uint64_t bits = std::bit_cast<uint64_t>(cells::DecimalValue(cell) + 0.0);  // -0 reads as 0
        bits = (bits >> 63) ? ~bits : bits | (uint64_t{1} << 63);
        out[0] = 1;
        for (size_t i = 0; i < sizeof bits; ++i) out[1 + i] = static_cast<unsigned char>(bits >> (56 - 8 * i));
        return;
      }
      case Kind::kDate:
        if (const auto digits = DateDigits(cell)) std::memcpy(out, digits->data(), digits->size());
        return;
      case Kind::kLogical:
        switch (cells::Trimmed(cell).substr(0, 1).c_str()[0]) {
          case 'T': case 't': case 'Y': case 'y': out[0] = 2; break;
          case 'F': case 'f': case 'N': case 'n': out[0] = 1; break;
          default: break;
        }
        return;
      case Kind::kText: {
        const size_t n = std::min(cell.size(), width_);
        for (size_t i = 0; i < n; ++i) out[i] = weights_[static_cast<unsigned char>(cell[i])];
        return;
      }
      case Kind::kWideText: {
        const QString text = ui::DecodeCell(cell, page_);
        const size_t n = std::min(static_cast<size_t>(text.size()), width_ / 2);
        for (size_t i = 0; i < n; ++i) {
          const char16_t c = LetterOrder(text[static_cast<qsizetype>(i)].unicode());
          out[2 * i] = static_cast<unsigned char>(c >> 8);
          out[2 * i + 1] = static_cast<unsigned char>(c);
        }
        return;
      }
    }
  }

 private:
  enum class Kind { kNumber, kDate, kLogical, kText, kWideText };
  ui::CodePage page_;
  Kind kind_ = Kind::kText;
  size_t width_ = 0;
  std::array<uint8_t, 256> weights_{};
};

// A row's first code bytes as one number, and its place in the rows given.
struct SortItem {
  uint64_t prefix;
  uint32_t place;
};

}  // namespace

void SortRows(const RecordStore& rows, std::vector<int32_t>& gridRows, int column, ColumnField field,
              ui::CodePage page, bool descending) {
  const CellCoder coder(field, page);
  const size_t width = coder.Width();
  const size_t n = gridRows.size();
  std::vector<unsigned char> codes(n * width + kPrefixBytes);
  std::vector<SortItem> items(n);
  for (size_t place = 0; place < n; ++place) {
    unsigned char* code = codes.data() + place * width;
    coder.Encode(rows.Cell(gridRows[place], column), code);
    if (descending) {
      for (size_t i = 0; i < width; ++i) code[i] = static_cast<unsigned char>(~code[i]);
    }
    uint64_t prefix = 0;
    for (size_t i = 0; i < kPrefixBytes; ++i) prefix = prefix << 8 | (i < width ? code[i] : 0);
    items[place] = {prefix, static_cast<uint32_t>(place)};
  }
  const unsigned char* all = codes.data();
  std::sort(items.begin(), items.end(), [all, width](const SortItem& a, const SortItem& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    if (width > kPrefixBytes) {
      const int order = std::memcmp(all + a.place * width + kPrefixBytes, all + b.place * width + kPrefixBytes,
                                    width - kPrefixBytes);
      if (order != 0) return order < 0;
    }
    return a.place < b.place;
  });
  std::vector<int32_t> sorted(n);
  for (size_t i = 0; i < n; ++i) sorted[i] = gridRows[items[i].place];
  gridRows = std::move(sorted);
}

ColumnFilter::ColumnFilter(int column, ColumnField field, const QString& text, ui::CodePage page)
    : column_(column), contains_({text.trimmed(), column, false}, page) {
  const QString trimmed = text.trimmed();
  if (dbf::IsNumericType(field.type) && !trimmed.isEmpty() && QStringLiteral("<>=").contains(trimmed.front())) {
    compare_ = static_cast<char>(trimmed.front().unicode());
    number_ = cells::DecimalValue(trimmed.mid(1).toStdString());
  }
}

bool ColumnFilter::Matches(std::string_view cell) const {
  if (compare_ == 0) return contains_.Matches(cell);
  if (Blank(cell)) return false;
  const double value = cells::DecimalValue(cell);
  switch (compare_) {
    case '>': return value > number_;
    case '<': return value < number_;
    default: return value == number_;
  }
}

std::vector<int32_t> FilteredRows(const RecordStore& rows, const std::vector<ColumnFilter>& filters) {
  std::vector<int32_t> shown;
  for (int row = 1; row < rows.RowCount(); ++row) {
    if (std::all_of(filters.begin(), filters.end(),
                    [&](const ColumnFilter& filter) { return filter.Matches(rows.Cell(row, filter.Column())); })) {
      shown.push_back(row);
    }
  }
  return shown;
}
