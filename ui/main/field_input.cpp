#include "field_input.h"

#include "code_page.h"
#include "file_name.h"

std::string TypedText(const QString& text, int limit) { return TrimBlanks(ui::EncodeTyped(text.left(limit))); }

std::optional<long long> WholeNumber(const std::string& text) {
  QString digits = QString::fromLatin1(text).trimmed();
  if (digits.isEmpty()) return 0;
  const bool negative = digits.startsWith(QLatin1Char('-'));
  if (negative || digits.startsWith(QLatin1Char('+'))) digits.remove(0, 1);
  int base = 10;
  if (digits.startsWith(QLatin1Char('$'))) {
    digits.remove(0, 1);
    base = 16;
  } else if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    digits.remove(0, 2);
    base = 16;
  }
  if (digits.isEmpty() || !digits.at(0).isLetterOrNumber()) return std::nullopt;
  bool ok = false;
  const long long value = digits.toLongLong(&ok, base);
  if (!ok) return std::nullopt;
  return negative ? -value : value;
}
