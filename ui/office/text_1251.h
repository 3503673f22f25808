// Windows 1251 bytes, as tables and captions hold them, turned into the
// UTF-8 that the office file formats store. Plain C++: no code-page library
// is asked, so the office files are written alike everywhere.
#pragma once

#include <string>
#include <string_view>

namespace office {

// The character a byte stands for in code page 1251; 0x98, which 1251
// leaves undefined, stands for the control character U+0098.
char16_t CodePoint1251(char byte);

// Appends the character in UTF-8.
void AppendUtf8(std::string& out, char16_t c);

// The bytes read as code page 1251, in UTF-8.
std::string Utf8From1251(std::string_view bytes);

// The same, escaped for XML character data: '&', '<' and '>' as entities,
// and control characters (but tabs and DEL, which XML allows) as U+FFFD.
void AppendXmlText(std::string& out, std::string_view bytes);

// The same as a worksheet cell's text, before the writer's XML escaping:
// every control character but tab and line feed as an escape "_xHHHH_",
// and an underscore that would start such an escape as "_x005F_", so that
// a reader gets every byte back.
std::string XlsxCellText(std::string_view bytes);

}  // namespace office
