#include "code_page.h"

#include <gtest/gtest.h>

using ui::CodePage;

TEST(CodePage, RussianBytesDecodeByTheChosenPage) {
  EXPECT_EQ(ui::DecodeCell("\x8f\xe0\xa8\xa2\xa5\xe2 1", CodePage::Dos866), QString::fromUtf8("Привет 1"));
  EXPECT_EQ(ui::DecodeCell("\xcf\xf0\xe8\xe2\xe5\xf2 1", CodePage::Windows1251),
            QString::fromUtf8("Привет 1"));
  EXPECT_EQ(ui::DecodeCell("\xf1\xb8", CodePage::Windows1251), QString::fromUtf8("сё"));
  EXPECT_EQ(ui::DecodeCell("\xe1\xf1", CodePage::Dos866), QString::fromUtf8("сё"));
  // A byte 1251 leaves undefined shows as the replacement character.
  EXPECT_EQ(ui::DecodeCell("\x98", CodePage::Windows1251), QString(QChar(0xFFFD)));
  EXPECT_EQ(ui::DecodeCell("abc", CodePage::SystemDefault), QStringLiteral("abc"));
}

TEST(CodePage, TypedTextIsStoredAs1251WithQuestionMarksForTheRest) {
  EXPECT_EQ(ui::EncodeTyped(QString::fromUtf8("Привет, ёж №5 €")),
            "\xcf\xf0\xe8\xe2\xe5\xf2, \xb8\xe6 \xb9" "5 \x88");
  EXPECT_EQ(ui::EncodeTyped(QString::fromUtf8("日本✓😀")), "????");
}
