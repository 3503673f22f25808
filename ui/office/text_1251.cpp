#include "text_1251.h"

#include <array>

namespace office {

namespace {

// Bytes 0x80 .. 0xBF of code page 1251; 0xC0 .. 0xFF are А .. я, U+0410 .. U+044F.
// 0x98, which 1251 leaves undefined, reads as U+0098, as Windows itself and
// the WHATWG encoding read it, so that the byte is not lost.
constexpr char16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

const std::array<std::string, 256>& Utf8Table() {
  static const std::array<std::string, 256> table = [] {
    std::array<std::string, 256> t;
    for (int b = 0; b < 256; ++b) AppendUtf8(t[b], CodePoint1251(static_cast<char>(b)));
    return t;
  }();
  return table;
}

constexpr char kReplacement[] = "\xEF\xBF\xBD";

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Whether a cell writes the byte as an escape: every control character but
// tab and line feed, which XML carries as they are.
bool EscapedInCells(char c) { return IsControl(CodePoint1251(c)) && c != '\t' && c != '\n'; }

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// Whether the text starts with what a reader would decode as an escape
// "_xHHHH_" once written: the closing '_' may also begin the escape of the
// byte after the digits.
bool StartsWithEscape(std::string_view text) {
  if (text.size() < 7 || text[0] != '_' || text[1] != 'x' || (text[6] != '_' && !EscapedInCells(text[6]))) {
    return false;
  }
  for (size_t i = 2; i < 6; ++i) {
    if (!IsHexDigit(text[i])) return false;
  }
  return true;
}

void AppendEscape(std::string& out, char16_t c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "_x";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
  out += '_';
}

}  // namespace

void AppendUtf8(std::string& out, char16_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char16_t CodePoint1251(char byte) {
  const auto u = static_cast<unsigned char>(byte);
  if (u < 0x80) return u;
  if (u < 0xC0) return kUpperHalf[u - 0x80];
  return static_cast<char16_t>(0x0410 + (u - 0xC0));
}

std::string Utf8From1251(std::string_view bytes) {
  const auto& table = Utf8Table();
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (const char c : bytes) out += table[static_cast<unsigned char>(c)];
  return out;
}

void AppendXmlText(std::string& out, std::string_view bytes) {
  const auto& table = Utf8Table();
  for (const char c : bytes) {
    switch (c) {
      case '&': out += "&amp;"; continue;
      case '<': out += "&lt;"; continue;
      case '>': out += "&gt;"; continue;
      case '\t': out += c; continue;
      default: break;
    }
    if (IsControl(CodePoint1251(c)) && c != 0x7F) out += kReplacement;
    else out += table[static_cast<unsigned char>(c)];
  }
}

std::string XlsxCellText(std::string_view bytes) {
  const auto& table = Utf8Table();
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (EscapedInCells(c)) AppendEscape(out, CodePoint1251(c));
    else if (StartsWithEscape(bytes.substr(i))) AppendEscape(out, u'_');
    else out += table[static_cast<unsigned char>(c)];
  }
  return out;
}

}  // namespace office
