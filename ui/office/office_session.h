// The office objects the program keeps referenced between commands: the
// spreadsheet application, workbook and worksheet shared by the exports and
// the first spreadsheet shown, a second set for a second spreadsheet, and the
// word processor of the report. Each is released and replaced when its
// command runs again; the program never closes what the user was shown.
#pragma once

#include "office_automation.h"

#include <memory>
#include <optional>
#include <string>

namespace office {

struct ExcelReferences {
  std::shared_ptr<ExcelApplication> application;
  ExcelWorkbook* workbook = nullptr;
  ExcelWorksheet* worksheet = nullptr;

  // Releases the previous application and starts a new one, reading texts
  // in `page`, with a new workbook (based on `basedOn` when given) and its
  // first worksheet.
  void Open(OfficeAutomation& servers, const TextPage& page,
            const std::optional<std::string>& basedOn = std::nullopt);
  // Fits the worksheet's columns and shows the application.
  void Show();
  void Release();
};

struct OfficeSession {
  explicit OfficeSession(OfficeAutomation& servers) : servers(servers) {}

  OfficeAutomation& servers;
  ExcelReferences exportSet;  // exports and the first spreadsheet
  ExcelReferences secondSet;  // the second spreadsheet
  std::shared_ptr<WordBasic> word;
  std::string secondSpreadsheet;  // the second spreadsheet's file name
};

}  // namespace office
