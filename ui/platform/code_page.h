// How cell bytes are drawn and how typed text is stored. Cells always hold the
// file's bytes untouched; the code page only decides how they are shown.
#pragma once

#include <QString>

#include <optional>
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

// The program's own texts (and names typed into its panels) as Windows 1251
// bytes; characters 1251 lacks become "?".
std::string EncodeTyped(const QString& text);

// Text a person typed into a cell drawn in `page`, as bytes of that code page
// (Windows 1251 for the system default). Nothing when a character has no
// byte there; `refused` then holds that character.
std::optional<std::string> EncodeCellText(const QString& text, CodePage page, QString& refused);

}  // namespace ui
