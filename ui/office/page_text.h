// Table bytes, as tables and captions hold them in the table's code page,
// turned into the UTF-8 that the office file formats store. Plain C++: the
// characters come from the code page tables the grid draws with.
#pragma once

#include "code_points.h"

#include <array>
#include <string>
#include <string_view>

namespace office {

class TextPage {
 public:
  // The reading of ui::SingleBytePage(page), built once.
  static const TextPage& Of(ui::CodePage page);

  // The character a byte stands for. A byte the code page leaves undefined
  // (0x98 in 1251) stands for the control character of the same number, as
  // Windows and the WHATWG encodings read it, so that the byte is not lost.
  char16_t CodePoint(char byte) const { return points_[static_cast<unsigned char>(byte)]; }

  // The bytes in UTF-8.
  std::string Utf8(std::string_view bytes) const;

  // The same, escaped for XML character data: '&', '<' and '>' as entities,
  // and control characters (but tabs and DEL, which XML allows) as U+FFFD.
  void AppendXmlText(std::string& out, std::string_view bytes) const;

  // The same as a worksheet cell's text, before the writer's XML escaping:
  // every control character but tab and line feed as an escape "_xHHHH_",
  // and an underscore that would start such an escape as "_x005F_", so that
  // a reader gets every byte back.
  std::string XlsxCellText(std::string_view bytes) const;

 private:
  explicit TextPage(const ui::CodePoints& points);

  bool EscapedInCells(char c) const;
  bool StartsWithEscape(std::string_view text) const;

  ui::CodePoints points_;
  std::array<std::string, 256> utf8_;
};

// Appends the character in UTF-8.
void AppendUtf8(std::string& out, char16_t c);

}  // namespace office
