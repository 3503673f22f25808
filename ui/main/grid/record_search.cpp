#include "record_search.h"

#include "record_store.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

RecordSearch::RecordSearch(SearchRequest request, ui::CodePage page)
    : request_(std::move(request)), page_(page), singleByte_(page != ui::CodePage::SystemDefault) {
  if (!singleByte_) return;
  const auto key = [this](QChar c) { return request_.matchCase ? c.unicode() : c.toCaseFolded().unicode(); };
  // The first byte drawing each (folded) character stands for all of them.
  std::unordered_map<char16_t, uint8_t> byteOf;
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    const QString drawn = ui::DecodeCell(std::string_view(&byte, 1), page_);
    const char16_t k = drawn.size() == 1 ? key(drawn[0]) : char16_t(0xFFFD);
    canonical_[static_cast<size_t>(b)] = byteOf.emplace(k, static_cast<uint8_t>(b)).first->second;
  }
  for (const QChar c : request_.text) {
    const auto found = byteOf.find(key(c));
    if (found == byteOf.end()) {
      impossible_ = true;
      return;
    }
    needle_.push_back(static_cast<char>(found->second));
  }
}

bool RecordSearch::MatchesBytes(std::string_view cell) const {
  const size_t n = needle_.size();
  if (impossible_ || n == 0 || cell.size() < n) return false;
  const auto* bytes = reinterpret_cast<const uint8_t*>(cell.data());
  const auto* needle = reinterpret_cast<const uint8_t*>(needle_.data());
  const uint8_t first = needle[0];
  for (size_t i = 0, last = cell.size() - n; i <= last; ++i) {
    if (canonical_[bytes[i]] != first) continue;
    size_t k = 1;
    while (k < n && canonical_[bytes[i + k]] == needle[k]) ++k;
    if (k == n) return true;
  }
  return false;
}

bool RecordSearch::Matches(std::string_view cell) const {
  if (singleByte_) return MatchesBytes(cell);
  if (request_.text.isEmpty()) return false;
  return ui::DecodeCell(cell, page_).contains(request_.text,
                                              request_.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

std::optional<GridCell> RecordSearch::Find(const RecordStore& rows, GridCell from, bool backwards,
                                           const ShownRows& shown) const {
  const int first = request_.column > 0 ? request_.column : 1;
  const int end = request_.column > 0 ? request_.column + 1 : rows.ColumnCount();
  const bool ordered = shown.count >= 0;
  const int count = ordered ? shown.count : rows.RowCount() - 1;
  const int64_t perRow = end - first;
  const int64_t total = perRow * count;
  if (perRow <= 0 || total <= 0 || (singleByte_ && impossible_)) return std::nullopt;
  const auto rowAt = [&](int place) { return ordered ? shown.gridRow(place) : place + 1; };
  // `from`'s place among the searched cells: the first searched cell at or
  // after it in its row.
  const int fromPlace = from.row < 1 ? -1 : ordered ? shown.placeOf(from.row) : from.row - 1;
  const int64_t place = int64_t(std::max(fromPlace, 0)) * perRow + std::clamp(from.col - first, 0, int(perRow));
  const bool onSearched = fromPlace >= 0 && from.col >= first && from.col < end;
  const int64_t start = backwards ? place - 1 : (onSearched ? place + 1 : place);
  const int64_t index = (start % total + total) % total;
  int rowPlace = static_cast<int>(index / perRow);
  int row = rowAt(rowPlace);
  int col = first + static_cast<int>(index % perRow);
  for (int64_t step = 0; step < total; ++step) {
    if (Matches(rows.Cell(row, col))) return GridCell{row, col};
    if (backwards && --col < first) {
      col = end - 1;
      rowPlace = rowPlace == 0 ? count - 1 : rowPlace - 1;
      row = rowAt(rowPlace);
    } else if (!backwards && ++col == end) {
      col = first;
      rowPlace = rowPlace == count - 1 ? 0 : rowPlace + 1;
      row = rowAt(rowPlace);
    }
  }
  return std::nullopt;
}
