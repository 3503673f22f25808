#include "recording_office.h"

void OfficeLog::Call(const std::string& object, const std::string& call) {
  calls.push_back(object + "." + call);
}

office::ExcelWorkbooks& RecordingExcel::WorkBooks() {
  log_.Call(name_, "WorkBooks");
  return *this;
}

office::ExcelWorkbook& RecordingExcel::Add() {
  log_.Call(name_, "Add()");
  return *this;
}

office::ExcelWorkbook& RecordingExcel::Add(const std::string& path) {
  log_.Call(name_, "Add(" + path + ")");
  return *this;
}

void RecordingExcel::SheetsInNewWorkbook(int count) { log_.Call(name_, "SheetsInNewWorkbook=" + std::to_string(count)); }

void RecordingExcel::Visible(bool visible) { log_.Call(name_, visible ? "Visible=true" : "Visible=false"); }

office::ExcelWorksheet& RecordingExcel::WorkSheets(int index) {
  log_.Call(name_, "WorkSheets(" + std::to_string(index) + ")");
  return *this;
}

void RecordingExcel::Cells(int64_t row, int64_t col, const std::string& value) {
  cells[{row, col}] = value;
  kinds.erase({row, col});
}

void RecordingExcel::TypedCell(int64_t row, int64_t col, const std::string& value, office::CellKind kind) {
  Cells(row, col, value);
  if (kind != office::CellKind::Text) kinds[{row, col}] = kind;
}

office::CellKind RecordingExcel::Kind(int64_t row, int64_t col) const {
  const auto found = kinds.find({row, col});
  return found == kinds.end() ? office::CellKind::Text : found->second;
}

office::ExcelRange& RecordingExcel::Cells() {
  log_.Call(name_, "Cells");
  return *this;
}

office::ExcelColumns& RecordingExcel::Columns() {
  log_.Call(name_, "Columns");
  return *this;
}

void RecordingExcel::AutoFit() { log_.Call(name_, "AutoFit"); }

std::string RecordingExcel::Cell(int64_t row, int64_t col) const {
  const auto found = cells.find({row, col});
  return found == cells.end() ? "<none>" : found->second;
}

void RecordingWord::FileNew(const std::string& templatePath) { log_.Call(name_, "FileNew(" + templatePath + ")"); }

void RecordingWord::Insert(const std::string& text) {
  log_.Call(name_, "Insert");
  inserted.push_back(text);
}

void RecordingWord::AppShow() { log_.Call(name_, "AppShow"); }

std::shared_ptr<office::ExcelApplication> RecordingOffice::CreateExcelApplication(const office::TextPage& page) {
  excels.push_back(std::make_shared<RecordingExcel>(log, "Excel" + std::to_string(excels.size() + 1), page));
  log.calls.push_back("start Excel" + std::to_string(excels.size()));
  return excels.back();
}

std::shared_ptr<office::WordBasic> RecordingOffice::CreateWordBasic(const office::TextPage& page) {
  words.push_back(std::make_shared<RecordingWord>(log, "Word" + std::to_string(words.size() + 1), page));
  log.calls.push_back("start Word" + std::to_string(words.size()));
  return words.back();
}
