// The Qt model a StringGrid shows: a window onto a CellStore. Every grid
// starts with one of its own; a window whose data another object keeps (the
// open table) has that object own the model and the grid show it by
// reference (StringGrid::ShowModel), so that any number of views see one set
// of cells, one view order and one edit history. The first fixed row and the
// first fixed column are served as header data, so they stay on screen while
// the rest scrolls; further fixed rows and columns are served as grey,
// read-only cells. Cells are decoded for drawing only when the view asks,
// that is, only for the cells on screen.
#pragma once

#include "cell_store.h"
#include "code_page.h"
#include "grid_options.h"
#include "shown_cell.h"
#include "view_rows.h"

#include <QAbstractTableModel>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GridModel(QObject* parent = nullptr);

  CellStore& Store() { return *store_; }
  const CellStore& Store() const { return *store_; }
  // A store of the model's own; nullptr gives it an empty one.
  void SetStore(std::unique_ptr<CellStore> store);
  // A store another object owns, shown by reference until the next
  // SetStore or ShowStore.
  void ShowStore(CellStore& store);

  // The corner heading (row 0 of column 0) when a grid of headers names it
  // itself; a null text leaves it to the store's cell.
  void SetCornerTitle(QString title);
  const QString& CornerTitle() const { return cornerTitle_; }

  int FixedRows() const { return fixedRows_; }
  int FixedCols() const { return fixedCols_; }
  void SetFixed(int rows, int cols);
  void SetEditable(bool editable) { editable_ = editable; }
  void SetCodePage(CodePage page);
  CodePage Page() const { return page_; }

  // Grid rows and columns that the header views stand for (0 or 1 each).
  int HeaderRows() const { return fixedRows_ > 0 ? 1 : 0; }
  int HeaderCols() const { return fixedCols_ > 0 ? 1 : 0; }
  QString Decoded(int gridRow, int gridCol) const;

  // The order the data rows show in (see ViewRows); off after SetStore.
  // Model rows count the rows shown, from 0; grid rows the store's rows.
  const ViewRows& View() const { return view_; }
  void SetView(std::vector<int32_t> gridRows);
  void ClearView();
  int GridRowOf(int modelRow) const {
    return view_.Active() ? view_.At(modelRow) : modelRow + HeaderRows();
  }
  // -1 for a row the view leaves out.
  int ModelRowOf(int gridRow) const {
    return view_.Active() ? view_.PlaceOf(gridRow) : gridRow - HeaderRows();
  }

  // Changes of the store that tell the views: one cell, one whole row (cells
  // past `cells` emptied), an empty row inserted before `gridRow` (in a view
  // order it shows where the row it went before shows).
  void SetCell(int gridRow, int gridCol, std::string_view bytes);
  void SetRow(int gridRow, const std::vector<std::string_view>& cells);
  void InsertRow(int gridRow);

  // Change notifications, for changes made on the store itself.
  void CellChanged(int gridRow, int gridCol);
  void RowChanged(int gridRow);
  void Reset();
  // Between these the store may change freely; views wait for the end.
  void BeginBatch();
  void EndBatch();

  // Cells drawn by `shownCell` instead of their bytes and kept from editing:
  // `lockedCell` tells which (asked for every cell drawn, so it must be
  // cheap), `shownCell` what such a cell shows. Either may be left empty.
  std::function<bool(int gridRow, int gridCol)> lockedCell;
  std::function<ShownCell(int gridRow, int gridCol)> shownCell;
  bool Locked(int gridRow, int gridCol) const;
  // May refuse a person's text (as bytes of the code page) for a cell with
  // a reason, which TypedRefused tells; the cell keeps its text.
  std::function<std::optional<QString>(int gridRow, int gridCol, const std::string& bytes)> checkTyped;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 signals:
  // A person's text was stored in a cell, through any view.
  void Edited(int gridRow, int gridCol, const std::string& bytes);
  // A person's text was not stored because the code page the cells are
  // drawn in has no byte for `character`.
  void Refused(const QString& character);
  // checkTyped refused a person's text for the cell.
  void TypedRefused(int gridRow, int gridCol, const QString& reason);

 private:
  bool IsFixed(const QModelIndex& index) const;
  QVariant LockedData(int gridRow, int gridCol, int role) const;
  // Runs a change of what the model shows as one reset, or, inside a batch,
  // as part of the batch's reset.
  template <typename F>
  void Reshape(F change);

  std::unique_ptr<CellStore> ownStore_;
  CellStore* store_;
  QString cornerTitle_;
  ViewRows view_;
  int fixedRows_ = 0;
  int fixedCols_ = 0;
  bool editable_ = false;
  CodePage page_ = CodePage::Windows1251;
  bool batching_ = false;
};

}  // namespace ui
