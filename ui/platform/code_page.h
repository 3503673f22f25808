// How cell bytes are drawn and how typed text is stored. Cells always hold the
// file's bytes untouched; the code page only decides how they are shown.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace ui {

enum class CodePage {
  Windows1251,    // Russian Windows code page
  Dos866,         // Russian DOS (OEM) code page
  SystemDefault,  // the locale's own character set (UTF-8 on most systems)
};

// The bytes as text in the given code page. Bytes a single-byte code page
// leaves undefined are shown as U+FFFD.
QString DecodeCell(std::string_view bytes, CodePage page);

// Text a person typed, as Windows 1251 bytes whatever is being shown;
// characters 1251 lacks become "?".
std::string EncodeTyped(const QString& text);

}  // namespace ui
