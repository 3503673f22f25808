// The code pages tables are written in, and the character each of their 256
// bytes stands for. Plain C++ (the tables come from iconv), so that the
// office files and other parts without Qt read table bytes as the grid does.
#pragma once

#include <array>

namespace ui {

enum class CodePage {
  Windows1251,    // Russian Windows code page
  Dos866,         // Russian DOS (OEM) code page
  SystemDefault,  // the locale's own character set (UTF-8 on most systems)
  Windows1250,    // Central European Windows
  Windows1252,    // Western Windows
  Dos437,         // US DOS
  Dos850,         // Western European DOS
  Dos852,         // Central European DOS
};

// U+FFFD marks a byte the code page leaves undefined.
using CodePoints = std::array<char16_t, 256>;

// iconv's name of a single-byte code page ("CP866"); nothing for the
// system's own.
const char* CharsetOf(CodePage page);

// The page itself, but for the system's own character set, which has no
// single-byte table: where one is needed, Windows 1251 stands in for it.
CodePage SingleBytePage(CodePage page);

// The character of each byte of SingleBytePage(page), read from iconv once
// and kept.
const CodePoints& CodePointsOf(CodePage page);

}  // namespace ui
