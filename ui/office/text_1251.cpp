#include "text_1251.h"

#include "code_page.h"

#include <array>

namespace office {

namespace {

const std::array<std::string, 256>& Utf8Table() {
  static const std::array<std::string, 256> table = [] {
    std::array<std::string, 256> t;
    for (int b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      t[b] = ui::DecodeCell(std::string_view(&byte, 1), ui::CodePage::Windows1251).toUtf8().toStdString();
    }
    return t;
  }();
  return table;
}

constexpr const char kReplacement[] = "\xEF\xBF\xBD";

}  // namespace

std::string Utf8From1251(std::string_view bytes) {
  const auto& table = Utf8Table();
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) out += c;
    else out += table[u];
  }
  return out;
}

void AppendXmlText(std::string& out, std::string_view bytes) {
  const auto& table = Utf8Table();
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '&': out += "&amp;"; continue;
      case '<': out += "&lt;"; continue;
      case '>': out += "&gt;"; continue;
      case '\t': out += c; continue;
      default: break;
    }
    if (u < 0x20) out += kReplacement;
    else if (u < 0x80) out += c;
    else out += table[u];
  }
}

std::string To1251(const char* utf8) { return ui::EncodeTyped(QString::fromUtf8(utf8)); }

}  // namespace office
