// Spreadsheet files the program does not read itself go to the spreadsheet
// program: a new workbook based on the file, shown to the user. Two can be
// shown at once, the current file with the session's first set of
// references and a second, source file with the second set.
#pragma once

#include <functional>
#include <string>

namespace ui {
class DialogService;
}

namespace office {

struct OfficeSession;

struct SpreadsheetLinks {
  ui::DialogService& dialogs;
  OfficeSession& session;
  // Hides the record grid and the controls that work on a table.
  std::function<void()> hideTableControls;
};

// Shows the current file (not a table) with the first set of references.
void ShowSpreadsheet(const std::string& tablePath, SpreadsheetLinks& links);

// "Копировать в EXCEL": needs a spreadsheet (".xls") as the current file,
// else says so and changes nothing (a table shown stays shown); then asks
// for the second file and shows it with the second set.
void CopyToExcel(const std::string& tablePath, SpreadsheetLinks& links);

}  // namespace office
