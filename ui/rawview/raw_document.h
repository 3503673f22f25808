// The raw view's data: the character table and the number of characters in
// it. The table is the view's only copy of the file; characters
// 1 .. FileLength are what saving writes.
#pragma once

#include "char_table.h"

#include <cstdint>

namespace rawview {

struct RawDocument {
  CharTable cells;
  int32_t FileLength = 0;
};

}  // namespace rawview
