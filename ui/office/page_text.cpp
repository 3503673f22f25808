#include "page_text.h"

#include <map>
#include <memory>
#include <mutex>

namespace office {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

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

TextPage::TextPage(const ui::CodePoints& points) : points_(points) {
  for (int b = 0; b < 256; ++b) {
    if (points_[b] == u'\uFFFD') points_[b] = static_cast<char16_t>(b);
    AppendUtf8(utf8_[b], points_[b]);
  }
}

const TextPage& TextPage::Of(ui::CodePage page) {
  static std::mutex guard;
  static std::map<ui::CodePage, std::unique_ptr<TextPage>> pages;
  page = ui::SingleBytePage(page);
  const std::lock_guard<std::mutex> lock(guard);
  std::unique_ptr<TextPage>& found = pages[page];
  if (!found) found.reset(new TextPage(ui::CodePointsOf(page)));
  return *found;
}

// Whether a cell writes the byte as an escape: every control character but
// tab and line feed, which XML carries as they are.
bool TextPage::EscapedInCells(char c) const { return IsControl(CodePoint(c)) && c != '\t' && c != '\n'; }

// Whether the text starts with what a reader would decode as an escape
// "_xHHHH_" once written: the closing '_' may also begin the escape of the
// byte after the digits.
bool TextPage::StartsWithEscape(std::string_view text) const {
  if (text.size() < 7 || text[0] != '_' || text[1] != 'x' || (text[6] != '_' && !EscapedInCells(text[6]))) {
    return false;
  }
  for (size_t i = 2; i < 6; ++i) {
    if (!IsHexDigit(text[i])) return false;
  }
  return true;
}

std::string TextPage::Utf8(std::string_view bytes) const {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (const char c : bytes) out += utf8_[static_cast<unsigned char>(c)];
  return out;
}

void TextPage::AppendXmlText(std::string& out, std::string_view bytes) const {
  for (const char c : bytes) {
    switch (c) {
      case '&': out += "&amp;"; continue;
      case '<': out += "&lt;"; continue;
      case '>': out += "&gt;"; continue;
      case '\t': out += c; continue;
      default: break;
    }
    if (IsControl(CodePoint(c)) && c != 0x7F) out += kReplacement;
    else out += utf8_[static_cast<unsigned char>(c)];
  }
}

std::string TextPage::XlsxCellText(std::string_view bytes) const {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (EscapedInCells(c)) AppendEscape(out, CodePoint(c));
    else if (StartsWithEscape(bytes.substr(i))) AppendEscape(out, u'_');
    else out += utf8_[static_cast<unsigned char>(c)];
  }
  return out;
}

}  // namespace office
