// StringGrid: a grid of byte cells with fixed (header) rows and columns, the
// control behind the program's string grids. It shows a GridModel over a
// CellStore: one of its own (a compact ByteArenaStore unless a window plugs
// in its own store), or one another object owns and any number of grids
// show by reference (ShowModel). The model is virtual, so only the cells on
// screen are ever decoded and drawn: a grid of millions of rows costs its
// bytes, not a Qt object per cell. Everything the grid is told about its
// cells, their order and their code page goes to the model it shows.
//
// Coordinates are (row, column), counted from 0 and including the fixed rows
// and columns, as the windows address them. The first fixed row and column
// are drawn as header bars that stay on screen while scrolling (the top-left
// corner shows cell (0, 0)); further fixed rows or columns are drawn as grey
// read-only cells.
//
// Cells hold bytes. They are drawn decoded by the grid's code page, and text
// a person types is stored in that code page (Windows 1251 while the system's
// own is shown); a cell whose text was not changed keeps its bytes.
//
// Events the windows hook (each may be left empty):
//  - onKeyPress(key): a character key was pressed in the grid or in its cell
//    editor. `key` is the character's code (Enter 13, Escape 27,
//    Backspace 8, Tab 9); set it to 0 to swallow the keystroke.
//  - onSelectCell(row, col, canSelect): the current cell is about to move to
//    (row, col), by mouse, keyboard or program; set canSelect to false to
//    keep it where it is.
//  - onClick(): the current cell moved, or the current cell was clicked.
//  - onSetEditText(row, col, bytes): a person's text has been stored in a cell.
//  - onTextRefused(character): a person's text was not stored, as the code
//    page the cells are drawn in has no byte for the character.
//  - onDoubleClick(row, col): a cell was double-clicked.
//  - onLockedTyped(row, col): a person typed into a locked cell (see
//    GridModel::lockedCell) while the grid allows editing; nothing was
//    stored.
//  - onTypedRefused(row, col, reason): the model's checkTyped refused a
//    person's text for a cell; the cell keeps its text.
//  - onPaste(text): Ctrl+V in the grid (not in a cell editor) with the
//    clipboard's text, while the grid allows editing.
//  - onHeadingClick(col): the heading of column `col` was clicked.
//
// With RangeSelect a block of cells is selected by a mouse drag, Shift with
// the arrows or a click, Ctrl+A, or a click on a heading (its column or
// row); Ctrl+C copies it as tab-separated lines of the text drawn. While
// editing is allowed, a double-click, F2, Enter or a typed character opens
// the cell's editor (unless AlwaysShowEditor keeps one open); Escape in it
// gives the cell back its text. Ctrl+Z and Ctrl+Y (Ctrl+Shift+Z) in an
// editor undo its typing, and once it has nothing left to undo or redo they
// go on to the window's shortcuts.
//
// View order: the data rows may be shown in another order than the store's,
// some of them left out (SetViewRows) until the store is replaced or
// cleared. Rows and cells keep their grid coordinates throughout: Row(), Cell(), SetCell() and SetSelectedCell()
// speak of grid rows, so a command acts on the row a person sees. What is
// counted on screen (a selection, a place) is a view row; GridRow() is the
// one mapping from it to the grid row.
#pragma once

#include "cell_store.h"
#include "code_page.h"
#include "grid_options.h"

#include <QAbstractButton>
#include <QPointer>
#include <QTableView>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class GridModel;

class StringGrid : public QTableView {
  Q_OBJECT

 public:
  explicit StringGrid(QWidget* parent = nullptr);
  ~StringGrid() override;

  // Shows a model another object owns, by reference, until ShowOwnModel:
  // the owner calls that before letting the model go. The grid's own model
  // stays as it was meanwhile.
  void ShowModel(GridModel& model);
  void ShowOwnModel();

  // The cells of the model shown. SetStore replaces its store (its contents
  // are shown as they are; nullptr gives it an empty one). Store() gives
  // direct access, e.g. for bulk changes, after which StoreChanged() must be
  // called unless they ran inside a BatchUpdate.
  CellStore& Store();
  void SetStore(std::unique_ptr<CellStore> store);
  void StoreChanged();

  int RowCount() const;
  int ColCount() const;
  void SetRowCount(int rows);
  void SetColCount(int cols);
  // Removes every row and column and releases the cells' memory.
  void Clear();
  int FixedRows() const;
  int FixedCols() const;
  void SetFixedRows(int rows);
  void SetFixedCols(int cols);

  // Cell(0, 0) is the model's corner title (GridModel::SetCornerTitle), where
  // it has one, in the grid's code page: a heading, not a cell of the store.
  // Clear takes it away.
  std::string Cell(int row, int col) const;
  void SetCell(int row, int col, std::string_view bytes);
  // Replaces a whole row at once; cells past `cells` are emptied.
  void SetRow(int row, const std::vector<std::string_view>& cells);
  // Inserts an empty row before `row` (RowCount() appends). In a view
  // order it shows where the row it went before shows.
  void InsertRow(int row);

  // Shows the data rows in the order of `gridRows`, leaving out the others;
  // the selected cell stays on its row while that is shown.
  void SetViewRows(std::vector<int32_t> gridRows);
  // Back to every row in the store's order.
  void ClearViewRows();
  bool ViewOrdered() const;
  // Data rows shown.
  int ShownRowCount() const;
  // The grid row shown at view row `viewRow` (view rows are counted as grid
  // rows are, the header rows first and unmoved), and back: -1 for a row the
  // view leaves out.
  int GridRow(int viewRow) const;
  int ViewRow(int gridRow) const;
  // The arrow of a sorted column in its heading; col < 0 shows none.
  void ShowSortMark(int col, bool descending);

  // The current cell's text as a person sees it: while its editor is open,
  // the editor's text (as Windows 1251 bytes), otherwise the cell's bytes.
  std::string EditText() const;
  // Stores the text of an open editor in its cell and closes the editor.
  void CommitEdit() { CloseOpenEditor(); }

  // While a BatchUpdate lives, changes are not shown; the view is refreshed
  // once when the outermost one ends. For filling many rows quickly. Its
  // changes are one group of the store (CellStore::BeginGroup).
  class BatchUpdate {
   public:
    explicit BatchUpdate(StringGrid& grid);
    ~BatchUpdate();
    BatchUpdate(const BatchUpdate&) = delete;
    BatchUpdate& operator=(const BatchUpdate&) = delete;

   private:
    StringGrid& grid_;
  };

  GridOptions Options() const { return options_; }
  void SetOptions(GridOptions options);

  // The selected cell, grid coordinates. Without a selection: the first cell
  // after the fixed rows and columns.
  int Row() const;
  int Col() const;
  void SetSelectedCell(int row, int col);

  // The selected block, grid coordinates, inclusive; the current cell when
  // nothing is selected.
  struct Block {
    int top, left, bottom, right;
  };
  Block SelectedBlock() const;
  // The block's text as drawn: a line per row, its cells between tabs.
  QString BlockText(const Block& block) const;

  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  void SetDefaultColWidth(int width);
  void SetDefaultRowHeight(int height);

  // True for a cell the model draws otherwise than its bytes say and keeps
  // from editing (GridModel::lockedCell).
  bool CellLocked(int row, int col) const;

  CodePage Page() const;
  void SetCodePage(CodePage page);

  std::function<void(int& key)> onKeyPress;
  std::function<void(int row, int col, bool& canSelect)> onSelectCell;
  std::function<void()> onClick;
  std::function<void(int row, int col, const std::string& bytes)> onSetEditText;
  std::function<void(const QString& character)> onTextRefused;
  std::function<void(int row, int col)> onDoubleClick;
  std::function<void(int row, int col)> onLockedTyped;
  std::function<void(int row, int col, const QString& reason)> onTypedRefused;
  std::function<void(const QString& text)> onPaste;
  // A person dragged a column's width (not the program's own resizing).
  std::function<void(int col, int width)> onColWidthDragged;
  std::function<void(int col)> onHeadingClick;

  // The character code a key event stands for, 0 for keys without one.
  static int KeyCode(const QKeyEvent& event);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class GridEditorDelegate;
  // Runs onKeyPress; true when the keystroke is to be swallowed.
  bool FilterKey(QKeyEvent* event);
  void EditorCreated(QWidget* editor);
  void CloseOpenEditor();
  void Refresh();
  // After the rows shown changed: the selected cell back on grid row `row`
  // when that is shown, else on the first row shown.
  void Reselect(int row, int col);
  // A new store, or none: its rows show in their own order.
  void DropView();
  void ApplyHeaders();
  void PaintCorner();
  // Hands the model's notices on to the grid's hooks and follows its resets.
  void Follow(GridModel& model);

  GridModel* ownModel_;
  GridModel* model_;
  std::vector<QMetaObject::Connection> following_;  // of model_
  GridOptions options_;
  std::vector<int> colWidths_;  // per column; -1 = the default width
  int defaultColWidth_ = 64;
  QPointer<QWidget> editor_;
  QAbstractButton* corner_ = nullptr;  // the top-left corner of the headers
  int batchDepth_ = 0;
  bool revertingSelection_ = false;
  bool applyingHeaders_ = false;
};

}  // namespace ui
