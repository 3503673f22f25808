// The raw view's data: the character table and the number of characters in
// it. The table is the view's only copy of the file; characters
// 1 .. FileLength are what saving writes.
#pragma once

#include "char_table.h"
#include "file_identity.h"

#include <cstdint>
#include <optional>
#include <string>

namespace rawview {

struct RawDocument {
  CharTable cells;
  int32_t FileLength = 0;
  // The file the characters were read from, as it was then (or as the
  // view last wrote it): saving into it again is refused once another
  // program has changed or replaced it.
  std::string loadedPath;
  std::optional<FileStamp> loaded;
};

}  // namespace rawview
