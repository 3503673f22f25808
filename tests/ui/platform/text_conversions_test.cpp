// Text conversions of the platform layer: code pages, file filters and numbers.
#include "code_page.h"
#include "file_filter.h"
#include "int_text.h"

#include <gtest/gtest.h>

using ui::CodePage;
using ui::StrToInt;

TEST(CodePage, RussianBytesDecodeByTheChosenPageAndTypedTextEncodesAs1251) {
  EXPECT_EQ(ui::DecodeCell("\xf1\xb8", CodePage::Windows1251), QString::fromUtf8("сё"));
  EXPECT_EQ(ui::DecodeCell("\xe1\xf1", CodePage::Dos866), QString::fromUtf8("сё"));
  // A byte 1251 leaves undefined shows as the replacement character.
  EXPECT_EQ(ui::DecodeCell("\x98", CodePage::Windows1251), QString(QChar(0xFFFD)));
  EXPECT_EQ(ui::DecodeCell("abc", CodePage::SystemDefault), QStringLiteral("abc"));
  // Typed text is stored as 1251, with question marks for the rest.
  EXPECT_EQ(ui::EncodeTyped(QString::fromUtf8("Привет, ёж №5 €")), "\xcf\xf0\xe8\xe2\xe5\xf2, \xb8\xe6 \xb9" "5 \x88");
  EXPECT_EQ(ui::EncodeTyped(QString::fromUtf8("日本✓😀")), "????");
}

TEST(FileFilter, ListsBecomeQtNameFiltersInOrder) {
  const auto entries = ui::ParseFilter("Файлы *.dbf|*.dbf|Все файлы|*.*|Файлы EXCEL|*.xls|Как текстовый файл|*.*|");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[3].name, QString::fromUtf8("Как текстовый файл"));
  EXPECT_EQ(ui::QtNameFilters(entries),
            QStringList({QString::fromUtf8("Файлы *.dbf (*.dbf)"), QString::fromUtf8("Все файлы (*)"),
                         QString::fromUtf8("Файлы EXCEL (*.xls)"),
                         QString::fromUtf8("Как текстовый файл (*)")}));
  EXPECT_TRUE(ui::ParseFilter("").empty());
}

TEST(StrToInt, ReadsDecimalAndHexadecimalAndRefusesMalformedEmptyAndOutOfRange) {
  const std::pair<const char*, int> cases[] = {{"  7", 7},   {"+12", 12},   {"-2147483648", INT32_MIN}, {"$41", 65},
                                               {"0x41", 65}, {"0XfF", 255}, {"$FFFFFFFF", -1}};
  for (const auto& [text, value] : cases) EXPECT_EQ(StrToInt(text), value) << text;
  for (const char* bad : {"", "  ", "1a", "7 ", "$", "0x", "-", "2147483648", "$100000000", "1.0", "12 3"}) {
    EXPECT_FALSE(StrToInt(bad).has_value()) << bad;
  }
  // The 32-bit reading takes unsigned decimals too.
  EXPECT_EQ(ui::StrToInt32Bits("4294967295"), 4294967295LL);
  EXPECT_FALSE(ui::StrToInt32Bits("4294967296").has_value());
  EXPECT_EQ(ui::StrToInt32Bits("-5"), -5);
}

TEST(IntText, TrimsControlBytesAndAligns) {
  EXPECT_EQ(ui::Trim(" \t 12\r\n"), "12");
  EXPECT_EQ(ui::RightAligned(7, 3), "  7");
  EXPECT_EQ(ui::RightAligned(123456, 3), "123456");
}
