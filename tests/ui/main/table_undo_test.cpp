#include "main_window_fixture.h"

#include "creat_f_form.h"
#include "failing_files.h"
#include "structure_commands.h"
#include "structure_test_support.h"

#include <QComboBox>
#include <QLineEdit>

#include <functional>

using testsupport::ReadFile;

namespace {

const char kUndone[] = "Последнее изменение файла отменено.";

class TableUndoTest : public MainWindowTest {
 protected:
  // The people table, open, with its bytes before any change.
  void OpenPeople() {
    OpenFromMenu(path);
    before = ReadFile(path);
  }

  std::string path = WritePeople();
  std::string before;
};

}  // namespace

// Each command changes the open table (or one it writes into, then opened),
// and "Отменить" brings its bytes back and shows it again.
TEST_F(TableUndoTest, UndoBringsBackTheBytesOfEveryWritingCommand) {
  const auto openOther = [this](const std::string& name) {
    OpenFromMenu(WritePeople(name));
    return dir.Path(name);
  };
  const struct {
    const char* command;
    bool empty;  // the table has two fields and no records
    std::function<void(const std::string&)> change;
  } cases[] = {
      {"Save", false, [&](auto&) { form->StringGrid1->SetCell(1, 1, "Anna"), form->Save1->trigger(); }},
      {"Удалить отмеченные", false, [&](auto&) { form->ToolButton6->trigger(), form->ToolButton8->trigger(); }},
      {"Удалить запись", false, [&](auto&) { form->ToolButton2->trigger(); }},
      {"Delete record", false, [&](auto&) { form->Deleterecord1->trigger(); }},
      {"Очистить весь файл", false, [&](auto&) { form->N12->trigger(); }},
      {"Удалить нулевые", false, [&](auto&) { form->Edit4->setText("SUM"), form->Button5->click(); }},
      {"Скопировать из файла :", false,
       [&](auto&) {
         dialogs.WillOpen(WritePeople("other.dbf"));
         dialogs.askAnswers.push_back(true);
         form->N13->trigger();
       }},
      {"Копировать файл", false,
       [&](const std::string& table) {
         openOther("source.dbf");
         form->Edit1->setText(QString::fromStdString(table.substr(dir.dir().size() + 1)));
         form->Button2->click();
         OpenFromMenu(table);
       }},
      {"Add new field", true,
       [&](auto&) {
         form->Addnewfield1->trigger();
         form->Panel8->Edit14->setText("DAY"), form->Panel8->Edit15->setText("8");
         form->Panel8->Edit16->setText("0");
         form->Panel8->Button18->click();
       }},
      {"Deleted field ", true,
       [&](auto&) {
         form->Deletedfield1->trigger();
         TCreat_FForm& dialog = *form->StructureCommands->Creat_FForm;
         dialog.Edit1->setText("SUM"), dialog.Button2->click(), dialog.Button3->click();
       }},
      {"Изменить имя поля", false,
       [&](auto&) {
         form->N11->trigger();
         form->Panel7->Edit12->setText("SUM"), form->Panel7->Edit13->setText("TOTAL");
         form->Panel7->Button15->click();
       }},
      {"Ремонт структуры файла", true,
       [&](const std::string& table) {
         form->N10->trigger();
         dialogs.WillOpen(path);
         form->Panel6->Button13->click();
         dialogs.saveAnswers.push_back(ui::FileChoice{table, 1});
         form->Panel6->Button14->click(), form->Panel6->Button10->click();
         OpenFromMenu(table);
       }},
      {"the raw view's save", false,
       [&](const std::string& table) {
         ui::ReplaceFileContents(table, {[](const std::string& file) { testsupport::WriteFile(file, "raw"); }});
       }},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].command);
    const std::string table = dir.Path("t" + std::to_string(i) + ".dbf");
    if (cases[i].empty) testsupport::WriteFile(table, structuretest::EmptyTable({{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}}));
    if (!cases[i].empty) WritePeople("t" + std::to_string(i) + ".dbf");
    OpenFromMenu(table);
    const std::string original = ReadFile(table);
    form->StringGrid1->SetSelectedCell(1, 1);
    cases[i].change(table);
    ASSERT_NE(ReadFile(table), original);
    dialogs.messages.clear();
    form->Undo1->trigger();
    EXPECT_EQ(ReadFile(table), original);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{kUndone});
    EXPECT_EQ(form->StringGrid1->RowCount(), cases[i].empty ? 1 : 4);
    EXPECT_EQ(form->StringGrid1->ColCount(), cases[i].empty ? 3 : 4);
  }
}

TEST_F(TableUndoTest, TheLastChangeCanBeUndoneAfterARestart) {
  OpenPeople();
  form->StringGrid1->SetSelectedCell(2, 1);
  form->ToolButton2->trigger();
  form.reset();
  MainWindowTest::SetUp();
  OpenFromMenu(path);
  form->Undo1->trigger();
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(form->StringGrid1->RowCount(), 4);
}

// An undo that fails part way leaves the table as it was, to be undone
// again; a change that cannot be kept goes ahead, the user told so.
TEST_F(TableUndoTest, FailuresLoseNothingAndAreTold) {
  OpenPeople();
  form->ToolButton2->trigger();
  const std::string changed = ReadFile(path);
  {
    testsupport::FailingFiles failing(testsupport::Fail::Rename);
    form->Undo1->trigger();
  }
  EXPECT_EQ(ReadFile(path), changed);
  form->Undo1->trigger();
  EXPECT_EQ(ReadFile(path), before);

  ASSERT_EQ(rename(dir.Path("versions").c_str(), dir.Path("gone").c_str()), 0);
  testsupport::WriteFile(dir.Path("versions"), "a file where the folder was");
  dialogs.messages.clear();
  form->ToolButton2->trigger();
  EXPECT_NE(ReadFile(path), before);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_TRUE(dialogs.messages[0].starts_with("Копию файла " + path + " сохранить не удалось")) << dialogs.messages[0];
  form->Undo1->trigger();
  EXPECT_EQ(dialogs.messages.back(), "Нет изменений файла " + path + " для отмены.");
}
