#include "char_table_store.h"

#include "code_page.h"
#include "qt_translations.h"

#include <QString>

#include <stdexcept>

namespace rawview {

namespace {

std::array<std::string, kGridColumns> Headers() {
  std::array<std::string, kGridColumns> h;
  h[0] = ui::EncodeTyped(ui::Tr("CharTableStore", "№ п/п"));
  h[1] = ui::EncodeTyped(ui::Tr("CharTableStore", "16 символов"));
  for (int k = 1; k <= kCodesPerRow; ++k) h[k + 1] = (k < 10 ? " " : "") + std::to_string(k);
  return h;
}

}  // namespace

CharTableStore::CharTableStore(RawDocument& doc) : doc_(doc), headers_(Headers()) {}

int CharTableStore::RowCount() const { return static_cast<int>(doc_.cells.RowCount()) + 1; }

void CharTableStore::Resize(int rows, int columns) {
  if (columns != kGridColumns) throw std::logic_error("the character table has 18 columns");
  doc_.cells.SetRowCount(std::max(rows, 2) - 1);
}

std::string_view CharTableStore::Cell(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || column >= kGridColumns) return {};
  if (row == 0) return headers_[column];
  if (column == 0) scratch_ = std::to_string(row);
  else if (column == 1) scratch_ = doc_.cells.RowChars(row);
  else scratch_ = doc_.cells.Text(CharIndex(row, column - 1));
  return scratch_;
}

void CharTableStore::SetCell(int row, int column, std::string_view bytes) {
  if (row < 1 || row >= RowCount() || column < kFirstCodeColumn || column >= kGridColumns) return;
  doc_.cells.SetText(CharIndex(row, column - 1), bytes);
}

}  // namespace rawview
