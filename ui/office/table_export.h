// The table's records copied into a new spreadsheet workbook: the general
// export (every field of every record, deleted ones too) and the savings-bank
// payment list (a heading row, one row a record, a total). Cell texts are the
// table's bytes, read in the table's code page; only the payment list's names
// are converted from the DOS code page to 1251, character for character.
#pragma once

#include "code_points.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QProgressBar;

namespace dbf {
class Dbf2_lib;
}
namespace ui {
class DialogService;
}

namespace office {

class ExcelWorksheet;
struct OfficeSession;

// The message when `records` rows plus the `extraRows` an export adds do not
// fit on a worksheet; none when they do.
std::optional<std::string> CheckWorksheetRoom(int64_t records, int64_t extraRows);

// How the general export writes the cells.
struct ExportStyle {
  bool decimalComma = false;  // the first "." of each N field's text becomes ","
  // A header row of field names first, and N fields as numbers, D as dates,
  // L as booleans where their values are such; the rest stays text.
  bool typed = false;
};

// Fills the worksheet from the records of the slot: "*" in the cell below the
// last record at column `starColumn`, then record r's fields in row r (row
// r + 1 below a typed export's header row).
void FillGeneralExport(dbf::Dbf2_lib& db, uint16_t slot, ExcelWorksheet& sheet, int64_t starColumn,
                       ExportStyle style, QProgressBar& progress);

// Fills the worksheet with the payment list of the slot's FIO, ACCOUNT, TIN
// and SUMMA fields, a blank cell at column `blankColumn` two rows below the
// total. The fields must exist and SUMMA must be numeric. Returns the
// records whose names hold characters 1251 lacks, which are left unconverted.
std::vector<int64_t> FillPaymentList(dbf::Dbf2_lib& db, uint16_t slot, ExcelWorksheet& sheet, int64_t blankColumn,
                                     QProgressBar& progress);

// What an export needs besides the table.
struct ExportLinks {
  ui::DialogService& dialogs;
  OfficeSession& session;
  QProgressBar& progress;
  // The code page of the table's text.
  ui::CodePage page;
};

// The whole command: opens the table, refuses one that does not fit (or,
// for the payment list, lacks its fields) with a message and no workbook,
// fills a new workbook of the session's first set, shows it and reports
// "Перенос в MS EXCEL - выполнено!". True when it got that far.
// `gridColumns` is the record grid's column count.
bool ExportTable(const std::string& tablePath, int64_t gridColumns, ExportStyle style, ExportLinks& links);
bool ExportPaymentList(const std::string& tablePath, int64_t gridColumns, ExportLinks& links);

}  // namespace office
