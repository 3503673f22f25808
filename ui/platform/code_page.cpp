#include "code_page.h"

#include <array>
#include <cerrno>
#include <iconv.h>

#include <QStringConverter>
#include <stdexcept>
#include <unordered_map>

namespace ui {

namespace {

using ByteTable = std::array<char16_t, 256>;

// Asks iconv for each of the 256 bytes once; all characters of the code pages
// used here lie in the Basic Multilingual Plane.
ByteTable BuildTable(const char* charset) {
  iconv_t cd = iconv_open("UTF-16LE", charset);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error(std::string("iconv does not know the code page ") + charset);
  }
  ByteTable table{};
  for (int b = 0; b < 256; ++b) {
    char in = static_cast<char>(b);
    unsigned char out[4] = {};
    char* inPtr = &in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    table[b] = (done == static_cast<size_t>(-1) || outLeft != 2)
                   ? u'\uFFFD'
                   : static_cast<char16_t>(out[0] | (out[1] << 8));
  }
  iconv_close(cd);
  return table;
}

const char* CharsetOf(CodePage page) {
  switch (page) {
    case CodePage::Windows1251: return "CP1251";
    case CodePage::Dos866: return "CP866";
    case CodePage::Windows1250: return "CP1250";
    case CodePage::Windows1252: return "CP1252";
    case CodePage::Dos437: return "CP437";
    case CodePage::Dos850: return "CP850";
    case CodePage::Dos852: return "CP852";
    case CodePage::SystemDefault: break;
  }
  return nullptr;
}

// One table per single-byte code page, built on first use.
const ByteTable& TableOf(CodePage page) {
  static std::unordered_map<int, ByteTable> tables;
  auto found = tables.find(static_cast<int>(page));
  if (found == tables.end()) found = tables.emplace(static_cast<int>(page), BuildTable(CharsetOf(page))).first;
  return found->second;
}

QString Decode(std::string_view bytes, const ByteTable& table) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (size_t i = 0; i < bytes.size(); ++i) {
    out[i] = QChar(table[static_cast<unsigned char>(bytes[i])]);
  }
  return text;
}

}  // namespace

bool IsDosPage(CodePage page) {
  return page == CodePage::Dos866 || page == CodePage::Dos437 || page == CodePage::Dos850 ||
         page == CodePage::Dos852;
}

std::string PageName(CodePage page) {
  if (page == CodePage::SystemDefault) return QStringConverter::nameForEncoding(QStringConverter::System);
  return CharsetOf(page) + 2;  // the number after "CP"
}

QString DecodeCell(std::string_view bytes, CodePage page) {
  if (page == CodePage::SystemDefault) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
  }
  return Decode(bytes, TableOf(page));
}

namespace {

using ReverseTable = std::unordered_map<char16_t, char>;

ReverseTable Reversed(const ByteTable& table) {
  ReverseTable map;
  for (int b = 0; b < 256; ++b) {
    if (table[b] != u'\uFFFD') map.emplace(table[b], static_cast<char>(b));
  }
  return map;
}

const ReverseTable& ReverseOf(CodePage page) {
  static std::unordered_map<int, ReverseTable> maps;
  auto found = maps.find(static_cast<int>(page));
  if (found == maps.end()) found = maps.emplace(static_cast<int>(page), Reversed(TableOf(page))).first;
  return found->second;
}

// Encodes character by character; `missing` is called with each character
// the table lacks and gives the byte to put in its place, or nothing to stop.
template <typename Missing>
std::optional<std::string> Encode(const QString& text, const ReverseTable& reverse, Missing missing) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const auto found = pair ? reverse.end() : reverse.find(c.unicode());
    if (found != reverse.end()) {
      bytes += found->second;
    } else if (const std::optional<char> instead = missing(text.mid(i, pair ? 2 : 1))) {
      bytes += *instead;
    } else {
      return std::nullopt;
    }
    if (pair) ++i;
  }
  return bytes;
}

}  // namespace

std::string EncodeTyped(const QString& text, CodePage page) {
  if (page == CodePage::SystemDefault) return text.toLocal8Bit().toStdString();
  return *Encode(text, ReverseOf(page), [](const QString&) { return std::optional<char>('?'); });
}

std::optional<std::string> EncodeCellText(const QString& text, CodePage page, QString& refused) {
  const ReverseTable& reverse = ReverseOf(page == CodePage::SystemDefault ? CodePage::Windows1251 : page);
  return Encode(text, reverse, [&](const QString& character) {
    refused = character;
    return std::optional<char>();
  });
}

}  // namespace ui
