#include "cell_check.h"

#include "int_text.h"

namespace rawview {

std::string CheckCodeText(std::string_view text, int64_t row, int column) {
  if (text.empty()) return {};
  const auto value = ui::StrToInt(text);
  if (value && *value >= 0 && *value <= 255) return {};
  const std::string where =
      " Ряд  " + ui::RightAligned(row, 10) + "\r\n" + " Колонка  " + ui::RightAligned(column - 1, 2) + "\r\n";
  if (!value) return where + "Ошибка - недопустимый набор символов.";
  return where + "Ошибка - значение числа не в диапазоне " + "\r\n" + "от 0 до 255 ";
}

std::string TextAfterKey(std::string_view cellText, uint8_t typed) {
  std::string text(ui::Trim(cellText));
  if (typed >= 32) text += static_cast<char>(typed);
  return text;
}

}  // namespace rawview
