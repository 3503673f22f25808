// Integer text as the windows read it from cells and edit boxes and write it
// into cells and messages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// Cuts bytes of code 32 or less from both ends.
std::string_view Trim(std::string_view text);

// The standard integer conversion: leading blanks and a sign allowed, a `$`
// or `0x` prefix reads hexadecimal (up to 8 digits, FFFFFFFF being -1);
// nothing may follow the digits. Empty, malformed or out-of-range text gives
// no value.
std::optional<int32_t> StrToInt(std::string_view text);

// As StrToInt, but also takes decimal values up to 4294967295, so a 32-bit
// unsigned field shown in decimal can be typed back.
std::optional<int64_t> StrToInt32Bits(std::string_view text);

// The runtime's message for text that does not convert.
std::string ConversionErrorText(std::string_view text);

// `value` in decimal, right-aligned with blanks in `width` characters.
std::string RightAligned(int64_t value, size_t width);

}  // namespace ui
