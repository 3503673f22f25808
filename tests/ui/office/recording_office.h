// An office automation implementation for tests: it records every call in
// order and keeps the cells and inserted text. Its exchange folder is a fresh one.
#pragma once

#include "office_automation.h"
#include "table_bytes.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct OfficeLog {
  std::vector<std::string> calls;  // e.g. "Excel1.Add()", "Word1.Insert(...)"; cell writes are not listed
  void Call(const std::string& object, const std::string& call);
};

class RecordingExcel : public office::ExcelApplication, public office::ExcelWorkbooks,
                       public office::ExcelWorkbook, public office::ExcelWorksheet,
                       public office::ExcelRange, public office::ExcelColumns {
 public:
  RecordingExcel(OfficeLog& log, std::string name, const office::TextPage& page)
      : page(page), log_(log), name_(std::move(name)) {}

  office::ExcelWorkbooks& WorkBooks() override;
  office::ExcelWorkbook& Add() override;
  office::ExcelWorkbook& Add(const std::string& path) override;
  void SheetsInNewWorkbook(int count) override;
  void Visible(bool visible) override;
  office::ExcelWorksheet& WorkSheets(int index) override;
  void Cells(int64_t row, int64_t col, const std::string& value) override;
  void TypedCell(int64_t row, int64_t col, const std::string& value, office::CellKind kind) override;
  office::ExcelRange& Cells() override;
  office::ExcelColumns& Columns() override;
  void AutoFit() override;

  const office::TextPage& page;  // the code page the cells are read in
  // Cell texts by (row, column), as handed over.
  std::map<std::pair<int64_t, int64_t>, std::string> cells;
  std::string Cell(int64_t row, int64_t col) const;
  // The kind of a cell TypedCell wrote last; Text for any other.
  std::map<std::pair<int64_t, int64_t>, office::CellKind> kinds;
  office::CellKind Kind(int64_t row, int64_t col) const;

 private:
  OfficeLog& log_;
  std::string name_;
};

class RecordingWord : public office::WordBasic {
 public:
  RecordingWord(OfficeLog& log, std::string name, const office::TextPage& page)
      : page(page), log_(log), name_(std::move(name)) {}
  void FileNew(const std::string& templatePath) override;
  void Insert(const std::string& text) override;
  void AppShow() override;

  const office::TextPage& page;  // the code page the text is read in
  std::vector<std::string> inserted;

 private:
  OfficeLog& log_;
  std::string name_;
};

class RecordingOffice : public office::OfficeAutomation {
 public:
  std::shared_ptr<office::ExcelApplication> CreateExcelApplication(const office::TextPage& page) override;
  std::shared_ptr<office::WordBasic> CreateWordBasic(const office::TextPage& page) override;
  std::string ExchangeFolder() const override { return exchange.dir(); }

  testsupport::TempDir exchange;
  OfficeLog log;
  std::vector<std::shared_ptr<RecordingExcel>> excels;  // every one started, in order
  std::vector<std::shared_ptr<RecordingWord>> words;
};
