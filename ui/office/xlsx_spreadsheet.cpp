#include "xlsx_spreadsheet.h"

#include "dbf_texts.h"
#include "desktop_launcher.h"
#include "exchange_folder.h"
#include "hand_over.h"
#include "scratch_output.h"
#include "xlsx_workbook_file.h"

#include <algorithm>
#include <filesystem>

namespace office {

namespace fs = std::filesystem;

namespace {

// Room the spreadsheet program leaves around a column's text.
constexpr double kFitPadding = 1.5;
constexpr double kWidestColumn = 255;

std::string Where(int64_t row, int64_t col) {
  return "(" + std::to_string(row) + ", " + std::to_string(col) + ")";
}

}  // namespace

void XlsxWorksheet::Cells(int64_t row, int64_t col, const std::string& value) {
  TypedCell(row, col, value, CellKind::Text);
}

void XlsxWorksheet::TypedCell(int64_t row, int64_t col, const std::string& value, CellKind kind) {
  if (!spool_) {
    throw AutomationError(
        dbf::FillText(dbf::Tr("XlsxWorksheet", "Книга открыта из файла; ячейка %1 не записана"), {Where(row, col)}));
  }
  if (row < 1 || row > kWorksheetRows || col < 1 || col > kWorksheetColumns) {
    throw AutomationError(dbf::FillText(dbf::Tr("XlsxWorksheet", "Ячейка %1 вне листа"), {Where(row, col)}));
  }
  spool_->Add(static_cast<uint32_t>(row), static_cast<uint32_t>(col), value, static_cast<uint8_t>(kind));
}

void XlsxWorksheet::AutoFit() {
  if (!spool_) return;  // the spreadsheet program lays out a file it opens itself
  const std::vector<uint32_t>& longest = spool_->LongestTexts();
  widths_.assign(longest.size(), 0);
  for (size_t c = 0; c < longest.size(); ++c) {
    if (longest[c] > 0) widths_[c] = std::min(kWidestColumn, longest[c] + kFitPadding);
  }
}

XlsxWorkbook::XlsxWorkbook(dbf::FileSystem& files, const std::string& folder, int sheets, const TextPage& page)
    : files_(files), folder_(folder), page_(page) {
  for (int i = 0; i < std::max(1, sheets); ++i) {
    sheets_.push_back(std::make_unique<XlsxWorksheet>(std::make_unique<CellSpool>(files, folder)));
  }
}

XlsxWorkbook::XlsxWorkbook(dbf::FileSystem& files, const std::string& folder, const std::string& copiedFile,
                           const TextPage& page)
    : files_(files), folder_(folder), page_(page), file_(copiedFile) {
  sheets_.push_back(std::make_unique<XlsxWorksheet>(nullptr));
}

ExcelWorksheet& XlsxWorkbook::WorkSheets(int index) {
  if (index < 1 || index > static_cast<int>(sheets_.size())) {
    throw AutomationError(dbf::FillText(dbf::Tr("XlsxWorkbook", "Нет листа %1"), {std::to_string(index)}));
  }
  return *sheets_[static_cast<size_t>(index - 1)];
}

const std::string& XlsxWorkbook::Publish() {
  if (!file_.empty()) return file_;
  std::vector<SheetToWrite> plan;
  for (auto& sheet : sheets_) plan.push_back({sheet->Spool(), sheet->Widths()});
  const std::string path = ReserveFreshFile(folder_, "workbook", ".xlsx");
  WriteXlsxWorkbook(files_, path, plan, folder_, page_);
  file_ = path;
  return file_;
}

XlsxSpreadsheet::XlsxSpreadsheet(std::string folder, ui::FileLauncher& launcher, const TextPage& page,
                                 dbf::FileSystem& files)
    : folder_(std::move(folder)), launcher_(launcher), page_(page), files_(files) {}

ExcelWorkbook& XlsxSpreadsheet::Add() {
  books_.push_back(std::make_unique<XlsxWorkbook>(files_, folder_, sheetsInNewWorkbook_, page_));
  return *books_.back();
}

ExcelWorkbook& XlsxSpreadsheet::Add(const std::string& path) {
  const fs::path source(path);
  std::error_code ec;
  if (!fs::is_regular_file(source, ec)) {
    throw AutomationError(path + ": " + (ec ? ec.message() : dbf::Tr("XlsxSpreadsheet", "не файл")));
  }
  // The copy is made the user's alone: a document to show, never a program
  // the desktop might run.
  const std::string copy = ReserveFreshFile(folder_, source.stem().string(), source.extension().string());
  CopyInto(files_, path, copy);
  // The copy is what is shown, so its content is what is checked.
  if (!HoldsWhatItsNameSays(copy)) {
    std::error_code ignored;
    fs::remove(copy, ignored);
    throw AutomationError(NotWhatItsNameSays(path));
  }
  books_.push_back(std::make_unique<XlsxWorkbook>(files_, folder_, copy, page_));
  return *books_.back();
}

void XlsxSpreadsheet::SheetsInNewWorkbook(int count) { sheetsInNewWorkbook_ = count; }

void XlsxSpreadsheet::Visible(bool visible) {
  if (!visible) return;
  for (auto& book : books_) {
    if (book->Shown()) continue;
    HandOver(launcher_, book->Publish());
    book->SetShown();
  }
}

}  // namespace office
