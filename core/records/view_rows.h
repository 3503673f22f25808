// The order a grid shows its data rows in, when not the order of its cells:
// a list of grid rows, the first shown first, that may leave rows out. The
// cells never move; a view of a million rows costs two 4-byte numbers a row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui {

class ViewRows {
 public:
  // Off: every data row shows, in the order of the cells.
  bool Active() const { return active_; }
  // Rows shown while active.
  int Size() const { return static_cast<int>(order_.size()); }
  // The grid row shown at place `place` (from 0).
  int At(int place) const { return order_[static_cast<size_t>(place)]; }
  // Where a grid row shows; -1 when it is left out.
  int PlaceOf(int gridRow) const;

  // Shows `rows` (grid rows of a grid of `gridRows` rows, none twice) in
  // their order; other rows are left out.
  void Set(std::vector<int32_t> rows, int gridRows);
  void Clear();

  // A row was inserted before grid row `gridRow`: later rows move down and
  // the new row shows where the row it went before showed (last, if that
  // one was left out or was the end).
  void RowInserted(int gridRow);
  // The grid now has `gridRows` rows: rows past the end leave the view and
  // rows appended since show last.
  void Fit(int gridRows);

 private:
  void Place();

  bool active_ = false;
  std::vector<int32_t> order_;   // by place: a grid row
  std::vector<int32_t> places_;  // by grid row: its place, or -1
};

}  // namespace ui
