#include "record_search.h"

#include "code_page.h"
#include "record_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// NAME C8, CITY C6 in code page 866: "Иванов"/"Москва", "Bob"/"Omsk",
// "ИВАН"/"bob".
TEST(RecordSearchTest, FindsTextAsDrawnFromTheCurrentCellOnAndRoundTheEnd) {
  RecordStore store({"#", "NAME", "CITY"}, {{1, 8}, {9, 6}}, 15, 3);
  const std::string records = ui::EncodeTyped(QString::fromUtf8(" Иванов  Москва Bob     Omsk   ИВАН    bob   "),
                                               ui::CodePage::Dos866);
  std::memcpy(store.Records(), records.data(), records.size());
  const std::optional<GridCell> none;
  const struct {
    const char* text; int column; bool matchCase; ui::CodePage page; GridCell from; bool backwards;
    std::optional<GridCell> found;
  } cases[] = {
      {"иван", 0, false, ui::CodePage::Dos866, {0, 0}, false, GridCell{1, 1}},
      {"иван", 0, false, ui::CodePage::Dos866, {1, 1}, false, GridCell{3, 1}},
      {"иван", 0, true, ui::CodePage::Dos866, {0, 0}, false, none},
      {"Иван", 0, true, ui::CodePage::Dos866, {1, 1}, false, GridCell{1, 1}},  // only the cell it starts on
      {"bob", 0, false, ui::CodePage::Dos866, {3, 2}, false, GridCell{2, 1}},
      {"bob", 0, false, ui::CodePage::Dos866, {2, 1}, true, GridCell{3, 2}},
      {"bob", 2, false, ui::CodePage::Dos866, {3, 0}, false, GridCell{3, 2}},  // its row's cell comes first
      {"bob", 0, true, ui::CodePage::Dos866, {2, 1}, false, GridCell{3, 2}},
      {"СКВ", 0, false, ui::CodePage::Dos866, {0, 0}, false, GridCell{1, 2}},
      {"€", 0, false, ui::CodePage::Dos866, {0, 0}, false, none},  // no byte for it in 866
      {"", 0, false, ui::CodePage::Dos866, {0, 0}, false, none},
      {"иван", 0, false, ui::CodePage::Windows1251, {0, 0}, false, none},  // other letters there
      {"OMSK", 0, false, ui::CodePage::SystemDefault, {0, 0}, false, GridCell{2, 2}},
      {"OMSK", 0, true, ui::CodePage::SystemDefault, {0, 0}, false, none},
  };
  for (const auto& c : cases) {
    const RecordSearch search({QString::fromUtf8(c.text), c.column, c.matchCase}, c.page);
    EXPECT_EQ(search.Find(store, c.from, c.backwards), c.found) << c.text << " from " << c.from.row << c.from.col;
  }
}
