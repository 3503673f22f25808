// Reads a table file's records back byte by byte, independently of the
// engine, for tests that check what a command wrote.
#pragma once

#include "table_bytes.h"

#include <string>
#include <vector>

// Every whole record after the header of a table's bytes, flag byte first.
inline std::vector<std::string> RecordsIn(const std::string& bytes) {
  const size_t header = testsupport::U16At(bytes, 8);
  const size_t length = testsupport::U16At(bytes, 10);
  std::vector<std::string> records;
  for (size_t at = header; at + length <= bytes.size(); at += length) records.push_back(bytes.substr(at, length));
  return records;
}

inline std::vector<std::string> RecordsOf(const std::string& path) { return RecordsIn(testsupport::ReadFile(path)); }

// One field of every record: `offset` counted from the flag byte at 0.
inline std::vector<std::string> FieldOf(const std::vector<std::string>& records, size_t offset, size_t length) {
  std::vector<std::string> values;
  for (const std::string& r : records) values.push_back(r.substr(offset, length));
  return values;
}
