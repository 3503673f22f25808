#include "field_input.h"

#include "code_page.h"
#include "file_name.h"
#include "int_text.h"

std::string TypedText(const QString& text, int limit) { return TrimBlanks(ui::EncodeTyped(text.left(limit))); }

std::optional<long long> WholeNumber(const std::string& text) {
  const std::string_view digits = ui::Trim(text);
  if (digits.empty()) return 0;
  if (const auto value = ui::StrToInt(digits)) return *value;
  return std::nullopt;
}
