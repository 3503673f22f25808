// How cell bytes are drawn and how typed text is stored. Cells always hold the
// file's bytes untouched; the code page only decides how they are shown.
#pragma once

#include "code_points.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace ui {

// True for the DOS (OEM) code pages, false for Windows pages and the
// system's own.
bool IsDosPage(CodePage page);

// The code page's number as people know it ("866"); "UTF-8" or the locale's
// name for the system's own.
std::string PageName(CodePage page);

// The bytes as text in the given code page. Bytes a single-byte code page
// leaves undefined are shown as U+FFFD.
QString DecodeCell(std::string_view bytes, CodePage page);

// The program's own texts (and names typed into its panels) as bytes of the
// code page, Windows 1251 unless another is named (the system's own as the
// locale encodes); characters the page lacks become "?".
std::string EncodeTyped(const QString& text, CodePage page = CodePage::Windows1251);

// Text a person typed into a cell drawn in `page`, as bytes of that code page
// (Windows 1251 for the system default). Nothing when a character has no
// byte there; `refused` then holds that character.
std::optional<std::string> EncodeCellText(const QString& text, CodePage page, QString& refused);

}  // namespace ui
