#include "code_page.h"
#include "page_text.h"

#include <gtest/gtest.h>

namespace {

// The office files read every byte as the grid draws it in the same code
// page, but for bytes the page leaves undefined: the grid draws U+FFFD, the
// office files keep the byte as the control character of its number.
TEST(PageTextTest, EveryByteReadsAsTheGridDrawsIt) {
  for (const ui::CodePage page : {ui::CodePage::Windows1251, ui::CodePage::Dos866, ui::CodePage::Windows1252}) {
    const office::TextPage& text = office::TextPage::Of(page);
    for (int b = 0; b < 256; ++b) {
      const std::string byte(1, static_cast<char>(b));
      const QString drawn = ui::DecodeCell(byte, page);
      const QString kept = drawn == QChar(0xFFFD) ? QString(QChar(b)) : drawn;
      EXPECT_EQ(text.Utf8(byte), kept.toUtf8().toStdString()) << ui::PageName(page) << " byte " << b;
    }
  }
  EXPECT_EQ(&office::TextPage::Of(ui::CodePage::SystemDefault), &office::TextPage::Of(ui::CodePage::Windows1251));
}

}  // namespace
