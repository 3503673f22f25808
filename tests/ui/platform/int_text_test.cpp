#include "int_text.h"

#include <gtest/gtest.h>

using ui::StrToInt;

TEST(StrToInt, ReadsDecimalAndHexadecimal) {
  EXPECT_EQ(StrToInt("  7"), 7);
  EXPECT_EQ(StrToInt("+12"), 12);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("$41"), 65);
  EXPECT_EQ(StrToInt("0x41"), 65);
  EXPECT_EQ(StrToInt("0XfF"), 255);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
}

TEST(StrToInt, RefusesMalformedEmptyAndOutOfRange) {
  for (const char* bad : {"", "  ", "1a", "7 ", "$", "0x", "-", "2147483648", "$100000000", "1.0", "12 3"}) {
    EXPECT_FALSE(StrToInt(bad).has_value()) << bad;
  }
}

TEST(StrToInt32Bits, TakesUnsignedThirtyTwoBitDecimals) {
  EXPECT_EQ(ui::StrToInt32Bits("4294967295"), 4294967295LL);
  EXPECT_FALSE(ui::StrToInt32Bits("4294967296").has_value());
  EXPECT_EQ(ui::StrToInt32Bits("-5"), -5);
}

TEST(IntText, TrimsControlBytesAndAligns) {
  EXPECT_EQ(ui::Trim(" \t 12\r\n"), "12");
  EXPECT_EQ(ui::RightAligned(7, 3), "  7");
  EXPECT_EQ(ui::RightAligned(123456, 3), "123456");
}
