// The checks of a code typed into the character table. They only report: the
// keystroke or the move goes ahead and the cell is not changed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rawview {

// The message for `text` in data row `row`, grid column `column` (2 .. 17),
// or empty when the text is empty or a number 0 .. 255.
std::string CheckCodeText(std::string_view text, int64_t row, int column);

// The text a key press tests: the cell's trimmed text with the typed byte
// appended when its code is 32 or more.
std::string TextAfterKey(std::string_view cellText, uint8_t typed);

}  // namespace rawview
