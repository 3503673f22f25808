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
  void Call(const std::string& object, const std::string& call) { calls.push_back(object + "." + call); }
};

class RecordingExcel : public office::ExcelApplication, public office::ExcelWorkbooks,
                       public office::ExcelWorkbook, public office::ExcelWorksheet,
                       public office::ExcelRange, public office::ExcelColumns {
 public:
  RecordingExcel(OfficeLog& log, std::string name, const office::TextPage& page)
      : page(page), log_(log), name_(std::move(name)) {}

  // Every call but the cell writes is logged; the objects returned are this one.
  office::ExcelWorkbooks& WorkBooks() override { return Logged("WorkBooks"); }
  office::ExcelWorkbook& Add() override { return Logged("Add()"); }
  office::ExcelWorkbook& Add(const std::string& path) override { return Logged("Add(" + path + ")"); }
  void SheetsInNewWorkbook(int count) override { Logged("SheetsInNewWorkbook=" + std::to_string(count)); }
  void Visible(bool visible) override { Logged(visible ? "Visible=true" : "Visible=false"); }
  office::ExcelWorksheet& WorkSheets(int index) override {
    return Logged("WorkSheets(" + std::to_string(index) + ")");
  }
  void Cells(int64_t row, int64_t col, const std::string& value) override;
  void TypedCell(int64_t row, int64_t col, const std::string& value, office::CellKind kind) override;
  office::ExcelRange& Cells() override { return Logged("Cells"); }
  office::ExcelColumns& Columns() override { return Logged("Columns"); }
  void AutoFit() override { Logged("AutoFit"); }

  const office::TextPage& page;  // the code page the cells are read in
  // Cell texts by (row, column), as handed over.
  std::map<std::pair<int64_t, int64_t>, std::string> cells;
  std::string Cell(int64_t row, int64_t col) const;
  // The kind of a cell TypedCell wrote last; Text for any other.
  std::map<std::pair<int64_t, int64_t>, office::CellKind> kinds;
  office::CellKind Kind(int64_t row, int64_t col) const;

 private:
  RecordingExcel& Logged(const std::string& call) {
    log_.Call(name_, call);
    return *this;
  }

  OfficeLog& log_;
  std::string name_;
};

class RecordingWord : public office::WordBasic {
 public:
  RecordingWord(OfficeLog& log, std::string name, const office::TextPage& page)
      : page(page), log_(log), name_(std::move(name)) {}
  void FileNew(const std::string& templatePath) override { log_.Call(name_, "FileNew(" + templatePath + ")"); }
  void Insert(const std::string& text) override;
  void AppShow() override { log_.Call(name_, "AppShow"); }

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
