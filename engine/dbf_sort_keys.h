// Sort keys: which bytes of a record form its key, and the byte string a
// record's keys are turned into so that one comparison of unsigned bytes
// (memcmp) orders two records.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace dbf {

struct SortKey {
  std::array<char, 10> name{};  // upper case, NUL padded
  char type = 'C';
  uint16_t length = 0;  // bytes of the field that form the key
  uint8_t decimals = 0;
  uint8_t direction = 1;     // 1 ascending, anything else descending
  uint32_t fieldOffset = 1;  // the field's offset in the record, flag byte at 0
};

// Turns the keys of a record into its sort code: a byte string, equally long
// for every record, whose unsigned byte order is the records' order, each
// key's direction and the rule for negative numbers folded in, so that the
// first differing byte decides. Per key, in list order:
// - a key of a type other than N or n: its bytes;
// - an N or n key: a byte 0 when its bytes hold a '-' and 1 otherwise,
//   followed by its bytes, in a negative one with the first '-' read as a
//   blank and every byte inverted (255 - b), so that the larger magnitude
//   comes first;
// - for a descending key, all of the above inverted.
// Bytes of a key that lie past the end of the record read as blanks for every
// record and so never decide: they are left out, and a key with none inside
// the record adds nothing.
class SortKeyCoder {
 public:
  SortKeyCoder(const std::vector<SortKey>& keys, uint32_t recordLength);

  // Bytes of every record's code.
  size_t Width() const { return width_; }
  // Writes the code of a whole record (flag byte first) to `out`.
  void Encode(const char* record, unsigned char* out) const;

 private:
  struct Part {
    uint32_t from = 0;    // first byte in the record
    uint32_t length = 0;  // bytes inside the record
    bool numeric = false;
    bool descending = false;
  };
  std::vector<Part> parts_;
  size_t width_ = 0;
};

}  // namespace dbf
