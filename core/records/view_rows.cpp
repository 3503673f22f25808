#include "view_rows.h"

#include <algorithm>

namespace ui {

int ViewRows::PlaceOf(int gridRow) const {
  if (gridRow < 0 || static_cast<size_t>(gridRow) >= places_.size()) return -1;
  return places_[static_cast<size_t>(gridRow)];
}

void ViewRows::Set(std::vector<int32_t> rows, int gridRows) {
  active_ = true;
  order_ = std::move(rows);
  places_.assign(static_cast<size_t>(std::max(gridRows, 0)), -1);
  Place();
}

void ViewRows::Clear() {
  active_ = false;
  order_ = {};
  places_ = {};
}

void ViewRows::Place() {
  std::erase_if(order_, [this](int32_t row) { return row < 0 || static_cast<size_t>(row) >= places_.size(); });
  for (size_t place = 0; place < order_.size(); ++place) {
    places_[static_cast<size_t>(order_[place])] = static_cast<int32_t>(place);
  }
}

void ViewRows::RowInserted(int gridRow) {
  if (!active_ || gridRow < 0 || static_cast<size_t>(gridRow) > places_.size()) return;
  const int at = PlaceOf(gridRow);
  for (int32_t& row : order_) {
    if (row >= gridRow) ++row;
  }
  order_.insert(at < 0 ? order_.end() : order_.begin() + at, gridRow);
  places_.assign(places_.size() + 1, -1);
  Place();
}

void ViewRows::Fit(int gridRows) {
  if (!active_) return;
  const size_t before = places_.size();
  const auto after = static_cast<size_t>(std::max(gridRows, 0));
  if (after == before) return;
  places_.assign(after, -1);
  for (size_t row = before; row < after; ++row) order_.push_back(static_cast<int32_t>(row));
  Place();
}

}  // namespace ui
