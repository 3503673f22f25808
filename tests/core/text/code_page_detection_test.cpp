#include "code_page_detection.h"
#include "russian_records.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using ui::CodePage;

// The first 100 records of tables of realistic text, as an opened table is looked at.
TEST(CodePageDetection, RussianTextIsToldAsWritten) {
  std::mt19937 random(20261207);
  for (const CodePage page : {CodePage::Dos866, CodePage::Windows1251}) {
    for (int table = 0; table < 20; ++table) {
      EXPECT_EQ(ui::GuessRussianPage(testsupport::RussianRecords(random, 100, page)), page) << table;
    }
  }
}

// A single short word is enough; text without Russian letters tells nothing.
TEST(CodePageDetection, OneWordTellsAndPlainTextDoesNot) {
  const struct {
    std::string text;
    std::optional<CodePage> page;
  } cases[] = {{"\x8f\xa5\xe2\xe0", CodePage::Dos866},           // "Петр" in 866
               {"\xcf\xe5\xf2\xf0", CodePage::Windows1251},      // in 1251
               {"\xe1\xf1", CodePage::Dos866},                   // "сё"
               {"\xf1\xb8", CodePage::Windows1251},              // "сё"
               {"Smith 12.50", std::nullopt},
               {"", std::nullopt},
               {"\xb0\xb1\xb2\xdb\xdb", std::nullopt}};          // pseudographics only
  for (const auto& c : cases) EXPECT_EQ(ui::GuessRussianPage(c.text), c.page) << c.text;
  const std::pair<uint8_t, std::optional<CodePage>> drivers[] = {
      {0x65, CodePage::Dos866}, {0xC9, CodePage::Windows1251}, {0x57, std::nullopt}, {0x00, std::nullopt}};
  for (const auto& [driver, page] : drivers) EXPECT_EQ(ui::PageOfLanguageDriver(driver), page) << int{driver};
}
