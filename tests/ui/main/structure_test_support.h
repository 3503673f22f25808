// What the tests of the structure commands share: tables without records
// and reading a file's header fields.
#pragma once

#include "table_bytes.h"

#include <string>
#include <vector>

namespace structuretest {

// A table with the fields and no records.
inline std::string EmptyTable(const std::vector<testsupport::FieldSpec>& fields) {
  testsupport::TableLayout layout;
  layout.fields = fields;
  return testsupport::TableBytes(layout);
}

inline void SetHeaderSize(std::string& bytes, size_t size) {
  bytes[8] = static_cast<char>(size & 0xFF);
  bytes[9] = static_cast<char>(size >> 8);
}

// The 32-byte descriptor of field `index` (from 0).
inline std::string Descriptor(const std::string& bytes, int index) { return bytes.substr(32 + 32 * index, 32); }

inline std::string Padded(const std::string& name) {
  std::string padded = name;
  padded.resize(10, '\0');
  return padded;
}

}  // namespace structuretest
