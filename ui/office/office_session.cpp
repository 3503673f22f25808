#include "office_session.h"

namespace office {

void ExcelReferences::Open(OfficeAutomation& servers, const TextPage& page,
                           const std::optional<std::string>& basedOn) {
  Release();
  application = servers.CreateExcelApplication(page);
  ExcelWorkbooks& books = application->WorkBooks();
  workbook = basedOn ? &books.Add(*basedOn) : &books.Add();
  // Set after the workbook exists, so it shapes only later workbooks.
  application->SheetsInNewWorkbook(1);
  worksheet = &workbook->WorkSheets(1);
}

void ExcelReferences::Show() {
  worksheet->Cells().Columns().AutoFit();
  application->Visible(true);
}

void ExcelReferences::Release() {
  worksheet = nullptr;
  workbook = nullptr;
  application.reset();
}

}  // namespace office
