// One open table: its file, opened for reading or for writing, and its
// header as read at opening. Reads never change the file; closing writes the
// header's record count only when something was written through this handle
// and the count stored differs from the one the file's size gives.
#pragma once

#include "dbf_file.h"
#include "dbf_header.h"

#include <stdexcept>
#include <string>

namespace dbf {

enum class Access { Read, Write };

// Why a table could not be opened: `code` is the engine's error number
// (kTableMissing when the file cannot be opened so, kNotATable when its
// bytes describe no table), `errorNumber` the system's errno or 0.
class TableError : public std::runtime_error {
 public:
  TableError(int code, std::string fileName, std::string reason, int errorNumber = 0);
  int code;
  std::string fileName;
  std::string reason;
  int errorNumber;
};

constexpr int kTableMissing = 6;
constexpr int kNotATable = 13;

// True when the file opens for reading as a table.
bool OpensAsTable(const std::string& path);

class Table {
 public:
  Table() = default;
  ~Table() { CloseQuietly(); }
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  // Opens the file for the access asked; throws TableError.
  void Open(const std::string& path, Access access);
  bool IsOpen() const { return file_.IsOpen(); }
  Access Mode() const { return access_; }
  const std::string& Path() const { return path_; }
  const HeaderInfo& Header() const { return header_; }
  // The file itself; a write into a table opened for reading fails as an
  // input/output error.
  TableFile& File() { return file_; }

  // Writes the record count (see above) and closes; an input/output error
  // is thrown after the file is closed.
  void Close();
  // Close for the paths that have no one to report to: a failing count
  // write leaves the old count.
  void CloseQuietly() noexcept;

 private:
  void WriteCountIfChanged();
  void CloseFileQuietly() noexcept;

  TableFile file_;
  std::string path_;
  Access access_ = Access::Read;
  HeaderInfo header_;
};

}  // namespace dbf
