// The fixed 32-byte table header and 32-byte field descriptors: decoding,
// validation and the record count the file's size gives.
#pragma once

#include "dbf_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dbf {

constexpr int kHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr int kMaxFieldLength = 255;
// The longest record the header's 16-bit record length (bytes 10 .. 11)
// holds as other readers read it.
constexpr uint32_t kMaxRecordLength = 0xFFFF;

inline uint16_t GetU16(const char* p) {
  auto b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

inline uint32_t GetU32(const char* p) {
  auto b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
         (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

inline void PutU16(char* p, uint16_t v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>(v >> 8);
}

inline void PutU32(char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The field descriptors among the first `size` bytes of a file (`header`
// points at byte 0): (header size div 32) - 1 of them, ending early at one
// whose first byte is the terminator 0x0D, and only those lying wholly
// inside the bytes given. Writers that keep an area after the terminator
// (263 bytes in the FoxPro family) give a header size that would otherwise
// count that area as descriptors of empty fields.
int CountFieldDescriptors(const char* header, size_t size);

// Character fields longer than 255 are stored by some writers with the
// length's high byte in the decimals byte. True when reading the `count`
// descriptors at `descriptors` that way, and not byte 16 alone, makes
// 1 + the sum of the lengths equal the record length.
bool HasWideCharLengths(const char* descriptors, int count, uint32_t recordLength);

// The same for a header's bytes (`header` points at byte 0): the record
// length stored in bytes 10 .. 13 and the `count` descriptors after the
// first 32 bytes.
bool HeaderHasWideCharLengths(const char* header, int count);

// A descriptor's field length and decimals, read as above when `wide`: a
// character field then has length byte16 + 256 * byte17 and no decimals.
uint16_t DescriptorLength(const char* descriptor, bool wide);
uint8_t DescriptorDecimals(const char* descriptor, bool wide);

struct HeaderInfo {
  uint32_t recordCount = 0;
  uint16_t headerSize = 0;
  uint32_t recordLength = 0;
  int fieldCount = 0;              // descriptors, by CountFieldDescriptors
  bool wideCharLengths = false;    // by HasWideCharLengths
  std::vector<char> descriptors;   // fieldCount descriptors, 32 bytes each
};

// Reads and checks the header and the descriptors of a file of `size` bytes.
// False when the bytes cannot describe a table: an empty or truncated header,
// a header size below 33, a record length of 0, descriptors running past the
// end of the file, or a record length larger than the file, the widest
// record the descriptors could need (255 bytes per field, or a character
// field's length read as two bytes when larger, plus the flag) and
// kMaxRecordLength alike.
bool ReadHeader(TableFile& file, int64_t size, HeaderInfo& info);

// Where a table's records end: the file's size, less its last byte when
// the records are the flag byte alone (record length 1), that byte lies
// after the header and it is the end mark 0x1A. A longer record never fits
// into the end mark, so there the file's size stays the end, whatever the
// last byte holds.
int64_t RecordsEnd(TableFile& file, uint16_t headerSize, uint32_t recordLength);

// The whole records between the header and RecordsEnd (never below 0).
int64_t RecordCountOf(TableFile& file, uint16_t headerSize, uint32_t recordLength);

// Creates (or empties) the file as a table of the given header bytes (the
// header and its field descriptors) with no records: count 0, end mark; its
// writes go through `files`.
void WriteEmptyTable(const std::string& path, std::vector<char> header, FileSystem& files);

}  // namespace dbf
