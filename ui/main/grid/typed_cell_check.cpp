#include "typed_cell_check.h"

#include "cell_values.h"
#include "qt_translations.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <cctype>

namespace {


std::optional<QString> NumberRefusal(const RecordStore::Field& field, const std::string& text) {
  static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+([.,]\d*)?|[.,]\d+)$)"));
  const QString typed = QString::fromLatin1(text);
  if (!number.match(typed).hasMatch()) return ui::Tr("TypedCellCheck", "не число");
  // The whole part without leading zeros, its sign, and the decimals after
  // their point must fit the field's width.
  const qsizetype point = typed.indexOf(QRegularExpression(QStringLiteral("[.,]")));
  QString whole = typed.left(point < 0 ? typed.size() : point);
  const bool negative = whole.startsWith(QLatin1Char('-'));
  whole.remove(QRegularExpression(QStringLiteral("^[+-]?0*")));
  const qsizetype width = std::max<qsizetype>(whole.size(), 1) + (negative ? 1 : 0) +
                          (field.decimals > 0 ? field.decimals + 1 : 0);
  if (width > field.length) return ui::Tr("TypedCellCheck", "не помещается в %1 знаков").arg(field.length);
  return std::nullopt;
}

std::optional<QString> DateRefusal(const std::string& text) {
  const bool digits = text.size() == 8 && std::all_of(text.begin(), text.end(), [](char c) {
                        return std::isdigit(static_cast<unsigned char>(c)) != 0;
                      });
  if (digits && QDate::fromString(QString::fromLatin1(text), QStringLiteral("yyyyMMdd")).isValid()) {
    return std::nullopt;
  }
  return ui::Tr("TypedCellCheck", "не дата ГГГГММДД");
}

}  // namespace

std::optional<QString> TypedCellRefusal(const RecordStore::Field& field, std::string_view bytes) {
  const std::string text = cells::Trimmed(bytes);
  switch (field.type) {
    case 'C':
    case 'c':
      if (bytes.size() > field.length) return ui::Tr("TypedCellCheck", "длиннее %1 знаков").arg(field.length);
      return std::nullopt;
    case 'N':
    case 'n':
      return text.empty() ? std::nullopt : NumberRefusal(field, text);
    case 'D':
    case 'd':
      return text.empty() ? std::nullopt : DateRefusal(text);
    case 'L':
    case 'l':
      if (text.size() <= 1 && QStringLiteral("TtFfYyNn?01").contains(QLatin1Char(text.empty() ? 'T' : text[0]))) {
        return std::nullopt;
      }
      return ui::Tr("TypedCellCheck", "не логическое значение (T или F)");
    default:
      return ui::Tr("TypedCellCheck", "поле типа %1 не правится в таблице").arg(QLatin1Char(field.type));
  }
}
