// What purge and sort must leave, worked out from a table's bytes directly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct RawRecords {
  uint16_t headerSize = 0;
  uint32_t recordLength = 0;
  std::vector<std::string> records;  // whole records, flag byte first
};

// The whole records after the header; with a record length of 1, a last 0x1A is the end mark.
RawRecords SplitRecords(const std::string& table);

// The records whose flag is a blank, in file order.
std::vector<std::string> LiveRecords(const RawRecords& raw);

struct KeyField {
  char type = 'C';
  uint32_t fieldOffset = 1;  // in the record, the flag at 0
  uint32_t length = 0;
  bool ascending = true;
};

// Stably sorted; bytes outside a record read as blanks; numeric keys holding '-' below those
// without, and between two of them the greater text first. Flags become '*' or blank.
std::vector<std::string> StablySorted(const RawRecords& raw, const std::vector<KeyField>& keys);

}  // namespace testsupport
