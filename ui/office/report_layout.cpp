#include "report_layout.h"

namespace office {

std::vector<ReportColumn> PlaceColumns(const std::vector<ColumnRequest>& requests) {
  std::vector<ReportColumn> columns;
  int end = 0;
  for (const ColumnRequest& r : requests) {
    const int start = columns.empty() ? 1 : end + 1;
    end = columns.empty() ? r.width + 1 : start + r.width;
    columns.push_back({r.name, r.width, start, end});
  }
  return columns;
}

const ReportColumn* ReportLayout::SumColumn() const {
  const ReportColumn* found = nullptr;
  for (const ReportColumn& c : columns) {
    if (!sumField.empty() && c.name == sumField) found = &c;
  }
  return found;
}

int64_t LineLengthOf(const std::vector<ColumnRequest>& requests) {
  // Every width, one blank before each field column, the row-number
  // column's leading blank and the rule's two extra characters.
  int64_t length = static_cast<int64_t>(requests.size()) + 2;
  for (const ColumnRequest& r : requests) length += r.width;
  return length;
}

SheetPlace PlaceOnSheet(int64_t n, int64_t firstSheetRows, int64_t laterSheetRows) {
  if (n == 1) return SheetPlace::First;
  if (n < firstSheetRows) return SheetPlace::Inside;
  if (n == firstSheetRows) return SheetPlace::Last;
  int64_t d = n - firstSheetRows;
  // Takes away whole later sheets until d is 1 or less.
  if (d > 1) d -= (d - 1 + laterSheetRows - 1) / laterSheetRows * laterSheetRows;
  if (d == 1) return SheetPlace::First;
  if (d == 0) return SheetPlace::Last;
  return SheetPlace::Inside;
}

}  // namespace office
