// The record grid's view order: a click on a column's heading sorts the rows
// shown by that column, a second click sorts them the other way round and a
// third shows them in the table's order again; the filter line shows only the
// rows whose cells hold its texts. Neither changes a cell, the rows' record
// numbers or the file: the grid only shows its rows in another order (see
// StringGrid::SetViewRows), and every command still acts on the row a person
// sees. While a filter is on, the status strip counts the rows it lets
// through. A new table shows in its own order, without filter; another code
// page orders and filters text by its letters.
#pragma once

#include "table_context.h"
#include "view_order.h"

#include <QMetaObject>

#include <cstdint>
#include <vector>

class FilterLine;
class QLabel;
class RecordStore;

class TRecordView {
 public:
  TRecordView(const TableContext& context, FilterLine& line, QLabel& count);
  ~TRecordView();
  TRecordView(const TRecordView&) = delete;
  TRecordView& operator=(const TRecordView&) = delete;

  void HeadingClicked(int col);
  // Shows the rows the filter line's texts let through, in the order asked for.
  void Apply();

 private:
  // After each reset of the grid: a new table starts over, a new code page
  // applies the view again.
  void GridReset();
  ColumnField FieldOf(int col) const;
  bool Orderable(int col) const;

  const TableContext& context_;
  FilterLine& line_;
  QLabel& count_;
  const RecordStore* rows_ = nullptr;  // the rows the view is of
  ui::CodePage page_ = ui::CodePage::Windows1251;  // the page it was applied in
  int sortColumn_ = -1;  // -1: the table's order
  bool descending_ = false;
  QMetaObject::Connection resets_;
};
