// The window in English: with the English translation installed, nothing the
// main window, its panels and its dialogs show, and nothing it tells or asks,
// is left in Russian. The table is all Latin letters, so any Cyrillic letter
// on screen is a text of the program's own.
#include "english_texts.h"
#include "main_window_fixture.h"

#include "sort_panel.h"

namespace {

class EnglishWindowTest : public MainWindowTest {
 protected:
  // Installed before the fixture builds the window.
  uitest::EnglishTranslation english;

  std::string WriteLatinTable() {
    const std::vector<testsupport::FieldSpec> fields{{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}};
    const testsupport::TableLayout layout{fields,
                                          {testsupport::Record(fields, {"Ann", "   12.50", "T"}),
                                           testsupport::Record(fields, {"Bob", "    3.00", "F"}, true)}};
    testsupport::WriteFile(dir.Path("latin.dbf"), testsupport::TableBytes(layout));
    return dir.Path("latin.dbf");
  }
};

}  // namespace

TEST_F(EnglishWindowTest, NothingShownToldOrAskedIsInRussian) {
  EXPECT_EQ(uitest::RussianOnScreen(), "") << "before a table is open";
  OpenFromMenu(WriteLatinTable());
  EXPECT_EQ(uitest::RussianOnScreen(), "") << "with the table open";
  for (QAction* command : {form->Controls().ToolButton3, form->Controls().ToolButton5, form->Controls().Sortedfile1, form->Controls().N10, form->Controls().N11,
                           form->Controls().Addnewfield1, form->Controls().N14, form->Controls().Find1, form->Controls().Deletedfield1}) {
    command->trigger();
    EXPECT_EQ(uitest::RussianOnScreen(), "") << Caption(command);
  }

  // What it tells and asks.
  dialogs.openAnswers.push_back(std::nullopt);
  form->Controls().Openfile1->trigger();
  const std::string notATable = dir.Path("notes.dbf");
  testsupport::WriteFile(notATable, "plain text, not a table");
  OpenFromMenu(notATable);
  OpenFromMenu(WriteLatinTable());
  dialogs.textAnswers.push_back("seven");
  form->Controls().GoTo1->trigger();
  form->Controls().N12->trigger();
  dialogs.saveAnswers.push_back(std::nullopt);
  form->Controls().Saveas1->trigger();
  form->Controls().Sortedfile1->trigger();
  form->Controls().Panel3->Button1->click();
  EXPECT_GE(dialogs.messages.size(), 3u);
  EXPECT_EQ(uitest::RussianInDialogs(dialogs), "") << "asked through the dialogs";
}
