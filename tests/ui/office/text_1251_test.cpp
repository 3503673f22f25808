#include "code_page.h"
#include "text_1251.h"

#include <gtest/gtest.h>

namespace {

// The office files' own 1251 table agrees with the code page the grid draws
// cells in, byte by byte.
TEST(Text1251Test, EveryByteReadsAsTheGridDrawsIt) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(office::Utf8From1251(byte), ui::DecodeCell(byte, ui::CodePage::Windows1251).toUtf8().toStdString())
        << "byte " << b;
  }
}

}  // namespace
