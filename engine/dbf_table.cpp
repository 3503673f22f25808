#include "dbf_table.h"

#include "dbf_errors.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace dbf {

TableError::TableError(int code, std::string fileName, std::string reason, int errorNumber)
    : std::runtime_error(fileName + ": " + reason),
      code(code),
      fileName(std::move(fileName)),
      reason(std::move(reason)),
      errorNumber(errorNumber) {}

bool OpensAsTable(const std::string& path) {
  Table table;
  try {
    table.Open(path, Access::Read);
  } catch (const TableError&) {
    return false;
  }
  return true;
}

void Table::Open(const std::string& path, Access access) {
  Close();
  path_ = path;
  access_ = access;
  header_ = HeaderInfo{};
  errno = 0;
  const bool opened = access == Access::Read ? file_.OpenForReading(path) : file_.Open(path);
  if (!opened) {
    const int err = errno;
    throw TableError(kTableMissing, path, err ? std::strerror(err) : "not a regular file", err);
  }
  if (!ReadHeader(file_, file_.Size(), header_)) {
    file_.Close();
    throw TableError(kNotATable, path, "not a DBF table");
  }
}

void Table::WriteCountIfChanged() {
  if (!file_.IsOpen() || access_ != Access::Write || !file_.Written()) return;
  char stored[4];
  char count[4];
  PutU32(count, static_cast<uint32_t>(RecordCountOf(file_, header_.headerSize, header_.recordLength)));
  if (file_.ReadSome(4, stored, sizeof stored) == sizeof stored && std::memcmp(stored, count, 4) == 0) return;
  file_.WriteAt(4, count, sizeof count);
}

void Table::Close() {
  if (!file_.IsOpen()) return;
  try {
    WriteCountIfChanged();
  } catch (...) {
    CloseFileQuietly();
    throw;
  }
  file_.Close();
}

void Table::CloseQuietly() noexcept {
  try {
    WriteCountIfChanged();
  } catch (const IoError&) {
    // The file keeps its old count.
  }
  CloseFileQuietly();
}

void Table::CloseFileQuietly() noexcept {
  try {
    file_.Close();
  } catch (const IoError&) {
    // Held bytes that could not be written: nothing more can be reported here.
  }
}

}  // namespace dbf
