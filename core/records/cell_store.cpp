#include "cell_store.h"

#include <string>
#include <vector>

namespace ui {

void CellStore::SetRow(int row, const std::string_view* cells, int count) {
  const int columns = ColumnCount();
  for (int c = 0; c < columns; ++c) SetCell(row, c, c < count ? cells[c] : std::string_view());
}

void CellStore::InsertRow(int row) {
  const int columns = ColumnCount();
  Resize(RowCount() + 1, columns);
  for (int r = RowCount() - 1; r > row; --r) {
    for (int c = 0; c < columns; ++c) SetCell(r, c, std::string(Cell(r - 1, c)));
  }
  for (int c = 0; c < columns; ++c) SetCell(row, c, {});
}

}  // namespace ui
