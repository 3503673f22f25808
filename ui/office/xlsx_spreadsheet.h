// The spreadsheet server of this platform: it collects the cells the program
// writes and, when made visible, writes each new workbook as a real .xlsx
// file under a fresh name in the program's exchange folder and opens it with
// the desktop's spreadsheet program. A workbook based on a file is a copy of
// that file in the same folder, so the user's file is never changed; the
// workbooks, the copies and the cells' scratch files are written through
// the file system the server is handed (scratch_output.h); a file
// whose content is not the spreadsheet its name says is refused (see
// hand_over.h).
#pragma once

#include "cell_spool.h"
#include "office_automation.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {
class FileLauncher;
}

namespace office {

class TextPage;

// The rows and columns a worksheet holds.
constexpr int64_t kWorksheetRows = 1048576;
constexpr int64_t kWorksheetColumns = 16384;

class XlsxWorksheet : public ExcelWorksheet, public ExcelRange, public ExcelColumns {
 public:
  // Cells go to `spool`; a worksheet of a workbook based on a file has none
  // and takes no cells.
  explicit XlsxWorksheet(std::unique_ptr<CellSpool> spool) : spool_(std::move(spool)) {}

  void Cells(int64_t row, int64_t col, const std::string& value) override;
  void TypedCell(int64_t row, int64_t col, const std::string& value, CellKind kind) override;
  ExcelRange& Cells() override { return *this; }
  ExcelColumns& Columns() override { return *this; }
  void AutoFit() override;

  CellSpool* Spool() { return spool_.get(); }
  const std::vector<double>& Widths() const { return widths_; }

 private:
  std::unique_ptr<CellSpool> spool_;  // none for a workbook based on a file
  std::vector<double> widths_;
};

class XlsxWorkbook : public ExcelWorkbook {
 public:
  // A new workbook of `sheets` empty worksheets.
  XlsxWorkbook(dbf::FileSystem& files, const std::string& folder, int sheets, const TextPage& page);
  // A new workbook based on the copy of a spreadsheet file.
  XlsxWorkbook(dbf::FileSystem& files, const std::string& folder, const std::string& copiedFile,
               const TextPage& page);

  ExcelWorksheet& WorkSheets(int index) override;

  // Writes a new workbook into its file (once) and returns the file to open.
  const std::string& Publish();
  bool Shown() const { return shown_; }
  void SetShown() { shown_ = true; }

 private:
  dbf::FileSystem& files_;
  std::string folder_;
  const TextPage& page_;
  std::string file_;  // the copy, or the written workbook once published
  std::vector<std::unique_ptr<XlsxWorksheet>> sheets_;
  bool shown_ = false;
};

class XlsxSpreadsheet : public ExcelApplication, public ExcelWorkbooks {
 public:
  XlsxSpreadsheet(std::string folder, ui::FileLauncher& launcher, const TextPage& page, dbf::FileSystem& files);

  ExcelWorkbooks& WorkBooks() override { return *this; }
  ExcelWorkbook& Add() override;
  ExcelWorkbook& Add(const std::string& path) override;
  void SheetsInNewWorkbook(int count) override;
  void Visible(bool visible) override;

 private:
  std::string folder_;
  ui::FileLauncher& launcher_;
  const TextPage& page_;
  dbf::FileSystem& files_;
  int sheetsInNewWorkbook_ = 1;
  std::vector<std::unique_ptr<XlsxWorkbook>> books_;
};

}  // namespace office
