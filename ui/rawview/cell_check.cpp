#include "cell_check.h"

#include "dbf_texts.h"
#include "int_text.h"

namespace rawview {

std::string CheckCodeText(std::string_view text, int64_t row, int column) {
  if (text.empty()) return {};
  const auto value = ui::StrToInt(text);
  if (value && *value >= 0 && *value <= 255) return {};
  // %1 is the row, %2 the code's number in the row.
  const char* pattern =
      value ? DBF_TR_NOOP("CellCheck",
                          " Ряд  %1\r\n Колонка  %2\r\nОшибка - значение числа не в диапазоне \r\nот 0 до 255 ")
            : DBF_TR_NOOP("CellCheck", " Ряд  %1\r\n Колонка  %2\r\nОшибка - недопустимый набор символов.");
  return dbf::FillText(dbf::Tr("CellCheck", pattern), {ui::RightAligned(row, 10), ui::RightAligned(column - 1, 2)});
}

std::string TextAfterKey(std::string_view cellText, uint8_t typed) {
  std::string text(ui::Trim(cellText));
  if (typed >= 32) text += static_cast<char>(typed);
  return text;
}

}  // namespace rawview
