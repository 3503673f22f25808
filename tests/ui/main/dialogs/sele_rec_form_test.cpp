#include "main_window_fixture.h"

#include "radio_group.h"
#include "sele_rec_form.h"

#include <QRadioButton>

#include <cstring>

using namespace testsupport;

class SeleRecFormTest : public MainWindowTest {
 protected:
  TSeleRecForm& Dialog() { return *form->Controls().SeleRecForm; }
};

TEST_F(SeleRecFormTest, OpensOnlyOverATableAndMarksEveryRowOrNone) {
  form->Controls().N14->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"File not open!"}));
  EXPECT_TRUE(Dialog().isHidden());

  OpenFromMenu(WritePeople());
  form->Controls().N14->trigger();
  EXPECT_TRUE(Dialog().isVisible());
  EXPECT_FALSE(form->isEnabled());
  EXPECT_EQ(Dialog().RadioGroup1->ItemIndex(), 0);

  // Every row marked, or none; the condition choice is refused.
  Dialog().Button1->click();
  EXPECT_EQ(Cell(1, 0), "1 Delete");
  EXPECT_EQ(Cell(3, 0), "3 Delete");
  Dialog().Button2->click();
  EXPECT_EQ(Cell(2, 0), "2");

  Dialog().RadioGroup1->findChildren<QRadioButton*>().at(1)->click();
  EXPECT_EQ(Dialog().RadioGroup1->ItemIndex(), 0);
  EXPECT_TRUE(Dialog().DrawGrid1->isHidden());
  EXPECT_TRUE(Dialog().Panel2->isHidden());
  Dialog().close();
  EXPECT_TRUE(form->isEnabled());
  EXPECT_TRUE(Dialog().isHidden());
}

TEST_F(SeleRecFormTest, CopiesEveryRecordIntoATableOfAnotherLayoutAndRefusesWhatIsNoOtherTable) {
  const std::string people = WritePeople();
  const std::string original = ReadFile(people);
  OpenFromMenu(people);
  form->Controls().N14->trigger();
  // A table of another layout: SUM wider and with more decimals, NAME
  // shorter, OK missing, NOTE its own; one record of its own already.
  const std::vector<FieldSpec> kTarget{{"SUM", 'N', 10, 3}, {"NAME", 'C', 4}, {"NOTE", 'C', 3}};
  const std::string target = dir.Path("target.dbf");
  testsupport::WriteFile(target, TableBytes(TableLayout{kTarget, {Record(kTarget, {"     1.000", "Own", "x"})}}));
  dialogs.WillOpen(" " + target);
  dialogs.askAnswers.push_back(true);
  Dialog().Button3->click();
  EXPECT_EQ(dialogs.questions, std::vector<std::string>({"Выполнить копирование?|File " + people +
                                                         "\r\nкопируется в файл  " +
                                                         QString::fromStdString(target).toUpper().toStdString()}));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Копирование выполнено!"}));
  // Every record, the one marked deleted too, arrives live.
  EXPECT_EQ(ReadFile(target),
            TableBytes(TableLayout{kTarget,
                                   {Record(kTarget, {"     1.000", "Own", "x"}),
                                    Record(kTarget, {"    12.500", "\x88\xa2\xa0\xad"}),
                                    Record(kTarget, {"     3.000", "Bob"}),
                                    Record(kTarget, {"     0.000", "Caro"})}}));
  EXPECT_EQ(ReadFile(people), original);

  // The table itself and targets that are no tables are refused.
  dialogs.messages.clear(), dialogs.questions.clear();
  const std::string empty = dir.Path("empty.dbf");
  testsupport::WriteFile(empty, "");
  const std::string missing = dir.Path("missing.dbf");
  for (const std::string& name : {dir.Path("People.DBF"), empty, missing}) {
    dialogs.WillOpen(name);
    if (name == empty || name == missing) dialogs.askAnswers.push_back(true);
    Dialog().Button3->click();
  }
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>({"Совпадение имен исходного и выходного файлов!",
                                      "Файл " + empty + " не является таблицей DBF",
                                      "Файл " + missing + " не удается открыть для чтения и записи: " +
                                          std::strerror(ENOENT)}));
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_EQ(ReadFile(empty), "");
  EXPECT_EQ(ReadFile(people), original);
  EXPECT_TRUE(exits.empty());
}

