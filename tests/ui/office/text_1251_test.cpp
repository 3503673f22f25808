#include "code_page.h"
#include "text_1251.h"

#include <gtest/gtest.h>

namespace {

// The office files' own 1251 table agrees with the code page the grid draws
// cells in, byte by byte, but for 0x98: undefined in 1251, the grid draws
// U+FFFD, the office files keep the byte as U+0098.
TEST(Text1251Test, EveryByteReadsAsTheGridDrawsIt) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string drawn = ui::DecodeCell(byte, ui::CodePage::Windows1251).toUtf8().toStdString();
    EXPECT_EQ(office::Utf8From1251(byte), b == 0x98 ? "\xC2\x98" : drawn) << "byte " << b;
  }
}

}  // namespace
