#include "code_page_detection.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

using ui::CodePage;

namespace {

// Realistic table text: names with patronymics, towns and goods, as fields
// of a record padded with blanks, with numbers between them.
const std::vector<const char*> kSurnames{"Иванов", "Петрова", "Сидоренко", "Кузнецов", "Смирнова", "Попов",
                                         "Васильев", "Соколова", "Михайлов", "Новиков", "Фёдоров", "Морозова",
                                         "Волков", "Алексеева", "Лебедев", "Семёнов", "Егоров", "Павлова",
                                         "Козлов", "Степанова", "Николаев", "Орлова", "Андреев", "Макаров",
                                         "Щукин", "Жуков", "Шевченко", "Юдина", "Эйхман", "Цой"};
const std::vector<const char*> kNames{"Анна", "Пётр", "Сергей", "Мария", "Ольга", "Фёдор", "Юрий", "Елена",
                                      "Дмитрий", "Наталья", "Игорь", "Татьяна", "Алексей", "Ирина", "Олег"};
const std::vector<const char*> kPatronymics{"Иванович", "Петровна", "Сергеевич", "Алексеевна", "Юрьевич",
                                            "Фёдоровна", "Олегович", "Дмитриевна"};
const std::vector<const char*> kOther{"Москва", "Тверь", "ул. Ленина", "Хлеб ржаной", "Молоко 3,2%",
                                      "ООО \"Рассвет\"", "Сахар-песок", "г. Щёлково", "Мыло", "Чай"};

std::string RandomRecord(std::mt19937& random) {
  const auto pick = [&](const std::vector<const char*>& list) {
    return QString::fromUtf8(list[std::uniform_int_distribution<size_t>(0, list.size() - 1)(random)]);
  };
  const QString text = (pick(kSurnames) + " " + pick(kNames) + " " + pick(kPatronymics)).leftJustified(40) +
                       QString::number(random() % 100000) + " " + pick(kOther).leftJustified(20);
  return text.toStdString();
}

}  // namespace

// The content test on tables of realistic names, the first 100 records of
// each, as the open table looks at them.
TEST(CodePageDetection, RussianTextIsToldAsWrittenInNearlyEveryTable) {
  std::mt19937 random(20261207);
  for (const CodePage page : {CodePage::Dos866, CodePage::Windows1251}) {
    int right = 0;
    constexpr int kTables = 1000;
    for (int table = 0; table < kTables; ++table) {
      std::string bytes;
      for (int record = 0; record < 100; ++record) {
        bytes += ui::EncodeTyped(QString::fromStdString(RandomRecord(random)), page);
      }
      right += ui::GuessRussianPage(bytes) == page;
    }
    std::printf("%s: %d of %d tables told right\n", ui::PageName(page).c_str(), right, kTables);
    EXPECT_EQ(right, kTables);
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
