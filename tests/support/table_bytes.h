// Builds table files byte by byte, independently of the engine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct FieldSpec {
  std::string name;
  char type = 'C';
  uint8_t length = 10;
  uint8_t decimals = 0;
  uint32_t storedOffset = 0;  // descriptor bytes 12..15 as written
};

struct TableLayout {
  std::vector<FieldSpec> fields;
  std::vector<std::string> records;  // whole records, flag byte first
  bool endMark = true;
  uint8_t version = 3;
  uint32_t headerRecordCount = 0xFFFFFFFF;  // default: the true count
  uint32_t recordLengthOverride = 0;        // 0: computed from the fields
  std::string afterTerminator = {};  // bytes after the 0x0D, counted in the header size
  uint8_t languageDriver = 0;        // header byte 29: the code page, 0 for none named
};

// 1 + sum of field lengths.
uint32_t RecordLength(const std::vector<FieldSpec>& fields);
// A record of the field values, each padded with blanks (or cut) to its field's length.
std::string Record(const std::vector<FieldSpec>& fields, const std::vector<std::string>& values,
                   bool deleted = false);
std::string TableBytes(const TableLayout& layout);

uint32_t U32At(const std::string& bytes, size_t pos);
uint16_t U16At(const std::string& bytes, size_t pos);

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// A fresh directory removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  const std::string& dir() const { return dir_; }
  // How many entries the folder holds.
  size_t FileCount() const;

 private:
  std::string dir_;
};

}  // namespace testsupport
