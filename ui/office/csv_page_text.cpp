#include "csv_page_text.h"

#include "code_page_detection.h"

namespace office {

csv::ByteText PageText(ui::CodePage page) {
  if (page == ui::CodePage::SystemDefault) return csv::ByteText::Utf8();
  std::array<std::string, 256> characters;
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    characters[static_cast<size_t>(b)] = ui::DecodeCell(std::string_view(&byte, 1), page).toStdString();
  }
  return csv::ByteText(characters);
}

uint8_t LanguageDriverOf(ui::CodePage page) {
  // From the top, so that the dBASE numbers come before the older ones
  // naming the same page (0x65 before 0x26 for 866).
  for (int id = 255; id > 0; --id) {
    if (ui::PageOfLanguageDriver(static_cast<uint8_t>(id)) == page) return static_cast<uint8_t>(id);
  }
  return 0;
}

}  // namespace office
