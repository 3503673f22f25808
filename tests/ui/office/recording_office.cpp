#include "recording_office.h"

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

std::string RecordingExcel::Cell(int64_t row, int64_t col) const {
  const auto found = cells.find({row, col});
  return found == cells.end() ? "<none>" : found->second;
}

void RecordingWord::Insert(const std::string& text) {
  log_.Call(name_, "Insert");
  inserted.push_back(text);
}

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
