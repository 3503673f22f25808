// The record grid's rows and columns as the CSV writer reads them: each
// data row's cells as the grid holds them (typed edits included) and its
// deletion mark as Save reads it.
#pragma once

#include "csv_table.h"

#include <vector>

class RecordStore;

class GridRows : public csv::RowSource {
 public:
  explicit GridRows(const RecordStore& store) : store_(store) {}
  int64_t RowCount() const override;
  bool Marked(int64_t row) const override;
  std::string_view Cell(int64_t row, int field) const override;

 private:
  const RecordStore& store_;
};

// The grid's fields, named and typed by the header bytes its rows were read with.
std::vector<csv::TableColumn> GridColumns(const RecordStore& store, const std::vector<char>& header);
