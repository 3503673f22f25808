#include "code_page.h"

#include <QStringConverter>
#include <unordered_map>

namespace ui {

namespace {

QString Decode(std::string_view bytes, const CodePoints& table) {
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
  return Decode(bytes, CodePointsOf(page));
}

namespace {

using ReverseTable = std::unordered_map<char16_t, char>;

ReverseTable Reversed(const CodePoints& table) {
  ReverseTable map;
  for (int b = 0; b < 256; ++b) {
    if (table[b] != u'\uFFFD') map.emplace(table[b], static_cast<char>(b));
  }
  return map;
}

const ReverseTable& ReverseOf(CodePage page) {
  static std::unordered_map<int, ReverseTable> maps;
  auto found = maps.find(static_cast<int>(page));
  if (found == maps.end()) found = maps.emplace(static_cast<int>(page), Reversed(CodePointsOf(page))).first;
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
  const ReverseTable& reverse = ReverseOf(SingleBytePage(page));
  return Encode(text, reverse, [&](const QString& character) {
    refused = character;
    return std::optional<char>();
  });
}

}  // namespace ui
