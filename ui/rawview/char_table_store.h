// The raw view's character table as the cells of a StringGrid: row 0 holds
// the column headers, column 0 the row number and column 1 the row's
// characters, both worked out from the code cells when drawn, and columns
// 2 .. 17 the sixteen code cells of the row. The store shows the document it
// is given; it keeps no cells of its own.
#pragma once

#include "cell_store.h"
#include "raw_document.h"

#include <array>
#include <string>

namespace rawview {

inline constexpr int kGridColumns = 18;
inline constexpr int kFirstCodeColumn = 2;

class CharTableStore : public ui::CellStore {
 public:
  explicit CharTableStore(RawDocument& doc);

  int RowCount() const override;
  int ColumnCount() const override { return kGridColumns; }
  // The shape is fixed at 18 columns; rows are the header row plus the data
  // rows (at least one).
  void Resize(int rows, int columns) override;
  std::string_view Cell(int row, int column) const override;
  // Only code cells take text; the header row and columns 0 and 1 follow
  // from the codes.
  void SetCell(int row, int column, std::string_view bytes) override;

 private:
  RawDocument& doc_;
  // Header texts as cell bytes in the program's code page, in the language
  // installed when the store was made.
  const std::array<std::string, kGridColumns> headers_;
  mutable std::string scratch_;
};

}  // namespace rawview
