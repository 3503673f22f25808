// What purge and sort must leave, worked out from a table's bytes directly:
// the header size and record length as stored, the whole records after the
// header, the live ones among them, and a plain stable sort of them.
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

// The records that lie wholly inside the file from the header size on; with
// a record length of 1, a last byte 0x1A is the end mark and no record.
RawRecords SplitRecords(const std::string& table);

// The records whose flag is a blank, in file order.
std::vector<std::string> LiveRecords(const RawRecords& raw);

struct KeyField {
  char type = 'C';
  uint32_t fieldOffset = 1;  // in the record, the flag at 0
  uint32_t length = 0;
  bool ascending = true;
};

// The records stably sorted by the keys (bytes outside a record read as
// blanks; numeric keys holding '-' below those without, and between two of
// them the greater text, '-' read as a blank, first), each flag written as
// '*' for a record marked deleted and a blank otherwise.
std::vector<std::string> StablySorted(const RawRecords& raw, const std::vector<KeyField>& keys);

}  // namespace testsupport
