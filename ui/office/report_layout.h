// The shape of the text report: its columns with their positions, the sheet
// lengths and the sum field, and where a record falls on its sheet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace office {

// One column of the report. Its text begins after position `start` and may
// use positions up to `end` (positions count from 1).
struct ReportColumn {
  std::string name;  // the field printed, or the row-number column's caption
  int width = 0;
  int start = 0;
  int end = 0;
};

struct ColumnRequest {
  std::string name;
  int width = 0;
};

// A report line, rules included, holds at most this many characters.
constexpr int kLongestReportLine = 255;
// The most field columns a line holds, every column one character wide.
constexpr int kMostFieldColumns = (kLongestReportLine - 4) / 2;
// The widest column a line holds beside two others one character wide.
constexpr int kWidestReportColumn = kLongestReportLine - 5;

// The length of the rules (ReportLayout::LineLength) that columns of these
// widths, the row-number column first, would give; exact for any widths.
int64_t LineLengthOf(const std::vector<ColumnRequest>& requests);

// The row-number column first, then the field columns: the first column
// starts at 1 and ends at width + 1, every later one starts one position
// after the previous end and ends width positions later.
std::vector<ReportColumn> PlaceColumns(const std::vector<ColumnRequest>& requests);

struct ReportLayout {
  std::vector<ReportColumn> columns;  // the row-number column first
  int64_t firstSheetRows = 45;        // records on the first sheet
  int64_t laterSheetRows = 56;        // records on every later sheet
  std::string sumField;               // empty: no sums
  bool printRowNumbers = true;        // false: the row-number column stays blank

  // The length of the rules: the last column's end + 2.
  int LineLength() const { return columns.back().end + 2; }
  // The column the sums stand under: the last one of the sum field; none
  // when no column has it, and then no sums are printed.
  const ReportColumn* SumColumn() const;
};

enum class SheetPlace { First, Inside, Last };

// Where record `n` (from 1) falls: sheet 1 holds records 1 .. F, every later
// sheet the next O records. A record that both opens and closes a sheet
// counts as opening it.
SheetPlace PlaceOnSheet(int64_t n, int64_t firstSheetRows, int64_t laterSheetRows);

}  // namespace office
