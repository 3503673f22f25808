// Sort keys: which bytes of a record form its key string, and how two key
// strings are ordered.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace dbf {

struct SortKey {
  std::array<char, 10> name{};  // upper case, NUL padded
  char type = 'C';
  uint8_t length = 0;  // bytes of the field that form the key
  uint8_t decimals = 0;
  uint8_t direction = 1;     // 1 ascending, anything else descending
  uint32_t position = 1;     // 1-based position of the key in the key string
  uint32_t fieldOffset = 1;  // the field's offset in the record, flag byte at 0
};

// Copies each key's bytes of a whole record (flag byte first) to its place in
// `out`; bytes that a damaged descriptor places outside the record read as blanks.
void ExtractKeyString(const std::vector<SortKey>& keys, const char* record, uint32_t recordLength,
                      char* out);

// One key of two key strings: below 0, 0 or above 0 as a's key is smaller,
// equal or greater. Numeric keys with a '-' are below those without; between
// two negatives the one whose text (the '-' read as a blank) is greater is
// smaller. Everything else compares as unsigned bytes.
int CompareKey(const SortKey& key, const char* a, const char* b);

// True when key string a comes strictly before b: the first key that differs
// decides, in that key's direction. Equal strings keep their order.
bool Precedes(const std::vector<SortKey>& keys, const char* a, const char* b);

}  // namespace dbf
