// The order and the choice of the record grid's rows in a view: sorted by one
// column as its field's type reads (numbers as numbers, dates as dates,
// logical values false before true, text by the letters of the code page the
// grid draws in, case not minded), and picked by a filter text per column.
// Only grid row numbers are computed; no cell changes.
#pragma once

#include "code_page.h"
#include "record_search.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class RecordStore;

// What a column holds: its field's type letter and length in bytes (column
// 0, the record number and mark, is text).
struct ColumnField {
  char type = 'C';
  int length = 0;
};

// Sorts `gridRows` by the cells of `column`. Rows of equal keys keep their
// order, also when descending; empty cells come first ascending. Text is
// ordered by its first 64 characters.
void SortRows(const RecordStore& rows, std::vector<int32_t>& gridRows, int column, ColumnField field,
              ui::CodePage page, bool descending);

// A column's filter text. It lets a cell through when the cell, as drawn,
// contains the text, case not minded; for a numeric field a text that starts
// with ">", "<" or "=" lets through the cells whose number is greater, less
// or equal to the number that follows.
class ColumnFilter {
 public:
  ColumnFilter(int column, ColumnField field, const QString& text, ui::CodePage page);

  int Column() const { return column_; }
  bool Matches(std::string_view cell) const;

 private:
  int column_;
  char compare_ = 0;  // '>', '<', '=' or 0 for "contains"
  double number_ = 0;
  RecordSearch contains_;
};

// The data rows (from 1) whose cells every filter lets through, in grid order.
std::vector<int32_t> FilteredRows(const RecordStore& rows, const std::vector<ColumnFilter>& filters);
