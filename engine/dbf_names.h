// Field names as a person types them: trimmed and upper-cased by the rules of
// code page 1251 (Latin and Cyrillic letters), cut to the 10 bytes a
// descriptor holds.
#pragma once

#include <string>
#include <string_view>

namespace dbf {

constexpr size_t kFieldNameSize = 10;

// Without the bytes of code 0x20 and below at either end.
std::string TrimName(std::string_view text);

// Latin a-z and every lower-case Cyrillic letter of code page 1251 become
// their capitals; other bytes stay.
std::string UpperAnsi(std::string text);

// TrimName, then UpperAnsi, cut to kFieldNameSize bytes.
std::string NormalName(std::string_view text);

}  // namespace dbf
