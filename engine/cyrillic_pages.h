// Byte-for-byte conversion between the Russian DOS code page 866 and the
// Russian Windows code page 1251, character for character: every letter
// (Ё and ё included), "№", the degree sign and the other characters both
// pages have. A byte whose character the other page lacks (866's
// box-drawing range, 1251's typographic quotes) is left as it is and counted,
// so a caller can say so instead of changing it silently.
#pragma once

#include <cstddef>
#include <string>

namespace dbf {

// Convert in place; return how many bytes had no counterpart.
size_t ConvertDosToWin(std::string& text);
size_t ConvertWinToDos(std::string& text);

}  // namespace dbf
