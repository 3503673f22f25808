// The cells behind a StringGrid. A grid draws and edits its cells only through
// this interface, so a window can hand the grid a store laid out for its own
// data; ByteArenaStore is the general-purpose one every grid starts with.
//
// Contract for implementers:
//  - Rows and columns are counted from 0 and include the fixed (header) rows
//    and columns; the grid decides which of them are fixed.
//  - Cells hold bytes, never converted. The grid decodes them for drawing by
//    its code page, and stores typed text as Windows 1251 bytes via SetCell.
//  - Cell() of a position outside the store, or of a cell never set, is empty.
//    The returned view must stay valid until the next call of any member of
//    the store (the grid copies what it needs at once), so a store may
//    render a cell into a scratch buffer of its own.
//  - Resize keeps the cells that stay inside the new bounds; new cells are
//    empty. Stores whose shape is fixed may refuse other shapes by throwing
//    std::logic_error.
//  - A store changed behind the grid's back (not through StringGrid) must be
//    announced with StringGrid::StoreChanged() so the view redraws.
//  - The grid calls the store from the user-interface thread only.
#pragma once

#include <string_view>

namespace ui {

class CellStore {
 public:
  virtual ~CellStore() = default;

  virtual int RowCount() const = 0;
  virtual int ColumnCount() const = 0;
  virtual void Resize(int rows, int columns) = 0;

  virtual std::string_view Cell(int row, int column) const = 0;
  virtual void SetCell(int row, int column, std::string_view bytes) = 0;

  // Replaces the first cells.size() cells of the row and empties the rest;
  // fast path for filling a grid row by row. The default sets cell by cell.
  virtual void SetRow(int row, const std::string_view* cells, int count);

  // Inserts an empty row before `row` (row == RowCount() appends). The
  // default moves the cells of every later row down by one.
  virtual void InsertRow(int row);

  // The changes between these belong together (a batch of the grid); a
  // store that keeps an edit history makes them one step. Nested pairs count
  // as the outermost one. The default does nothing.
  virtual void BeginGroup() {}
  virtual void EndGroup() {}
};

}  // namespace ui
