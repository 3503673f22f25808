// The office automation interface: the spreadsheet and word-processor
// objects the program drives, with exactly the members it calls. The program
// asks OfficeAutomation for a new application object, then walks it as the
// office servers' object models do: application -> workbooks -> workbook ->
// worksheet -> cells -> columns.
//
// Texts handed over (cell values, inserted text) are bytes of the code page
// the application was created with: the table's, which the program's own
// captions are written in too; paths are file names
// as the file system takes them. A failing call throws AutomationError; the
// running command ends there with its message, and what was done stays done.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace office {

class TextPage;

class AutomationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ExcelColumns {
 public:
  virtual ~ExcelColumns() = default;
  // Fits the column widths to their contents.
  virtual void AutoFit() = 0;
};

class ExcelRange {
 public:
  virtual ~ExcelRange() = default;
  virtual ExcelColumns& Columns() = 0;
};

// What a cell's value is to the spreadsheet.
enum class CellKind : uint8_t {
  Text,
  Number,   // the text is a number with a decimal point
  Date,     // the text is a YYYYMMDD date of the calendar
  Boolean,  // the text is "1" (true) or "0"
};

class ExcelWorksheet {
 public:
  virtual ~ExcelWorksheet() = default;
  // Writes the text into the cell; row and column count from 1.
  virtual void Cells(int64_t row, int64_t col, const std::string& value) = 0;
  // Writes the value into the cell as a value of its kind; a server that
  // keeps only texts takes the text.
  virtual void TypedCell(int64_t row, int64_t col, const std::string& value, [[maybe_unused]] CellKind kind) {
    Cells(row, col, value);
  }
  // The range of all cells.
  virtual ExcelRange& Cells() = 0;
};

class ExcelWorkbook {
 public:
  virtual ~ExcelWorkbook() = default;
  // The worksheet by its number, from 1.
  virtual ExcelWorksheet& WorkSheets(int index) = 0;
};

class ExcelWorkbooks {
 public:
  virtual ~ExcelWorkbooks() = default;
  // A new empty workbook.
  virtual ExcelWorkbook& Add() = 0;
  // A new workbook based on the spreadsheet file; the file itself is never changed.
  virtual ExcelWorkbook& Add(const std::string& path) = 0;
};

class ExcelApplication {
 public:
  virtual ~ExcelApplication() = default;
  virtual ExcelWorkbooks& WorkBooks() = 0;
  // How many worksheets later new workbooks get.
  virtual void SheetsInNewWorkbook(int count) = 0;
  // Shows the workbooks to the user.
  virtual void Visible(bool visible) = 0;
};

class WordBasic {
 public:
  virtual ~WordBasic() = default;
  // A new document based on the template file.
  virtual void FileNew(const std::string& templatePath) = 0;
  // Inserts the text at the insertion point; a carriage return ends a paragraph.
  virtual void Insert(const std::string& text) = 0;
  // Shows the word processor with the document to the user.
  virtual void AppShow() = 0;
};

// Starts the servers.
class OfficeAutomation {
 public:
  virtual ~OfficeAutomation() = default;
  // Servers that read the texts handed to them in `page`.
  virtual std::shared_ptr<ExcelApplication> CreateExcelApplication(const TextPage& page) = 0;
  virtual std::shared_ptr<WordBasic> CreateWordBasic(const TextPage& page) = 0;
  // The program's own folder for what it hands to the servers, the word
  // processor's template included.
  virtual std::string ExchangeFolder() const = 0;
};

}  // namespace office
