#include "main_window_fixture.h"

#include "creat_f_form.h"
#include "safe_write.h"
#include "structure_commands.h"
#include "structure_test_support.h"
#include "table_versions.h"

#include <QMenu>

#include <regex>

using testsupport::ReadFile;

// Each command changes a table (the one open, or one it writes into), the
// program is restarted and the table opened, and "Отменить" (after one that
// fails) brings its bytes back and shows it again.
TEST_F(MainWindowTest, UndoBringsBackTheBytesOfEveryWritingCommandAfterARestart) {
  const auto type = [](QLineEdit* edit, const char* text) { edit->setText(QString::fromUtf8(text)); };
  const struct {
    const char* command;
    bool empty;  // the table has two fields and no records
    std::function<void(const std::string& table)> change;
  } cases[] = {
      {"Save", false, [&](auto&) { form->Controls().StringGrid1->SetCell(1, 1, "Anna"), form->Controls().Save1->trigger(); }},
      {"Удалить отмеченные", false, [&](auto&) { form->Controls().ToolButton6->trigger(), form->Controls().ToolButton8->trigger(); }},
      {"Удалить запись", false, [&](auto&) { form->Controls().ToolButton2->trigger(); }},
      {"Delete record", false, [&](auto&) { form->Controls().Deleterecord1->trigger(); }},
      {"Очистить весь файл", false, [&](auto&) { form->Controls().N12->trigger(); }},
      {"Удалить нулевые", false, [&](auto&) { type(form->Controls().Edit4, "SUM"), form->Controls().Button5->click(); }},
      {"Скопировать из файла :", false, [&](auto&) {
         dialogs.WillOpen(WritePeople("other.dbf")), dialogs.askAnswers.push_back(true), form->Controls().N13->trigger(); }},
      {"Копировать файл", false, [&](const std::string& table) {
         OpenFromMenu(WritePeople("source.dbf"));
         form->Controls().Edit1->setText(QString::fromStdString(table.substr(dir.dir().size() + 1))), form->Controls().Button2->click(); }},
      {"Add new field", true, [&](auto&) {
         form->Controls().Addnewfield1->trigger(), type(form->Controls().Panel8->Edit14, "DAY"), type(form->Controls().Panel8->Edit15, "8");
         type(form->Controls().Panel8->Edit16, "0"), form->Controls().Panel8->Button18->click(); }},
      {"Deleted field ", true, [&](auto&) {
         TCreat_FForm& dialog = *form->Controls().StructureCommands->Creat_FForm;
         form->Controls().Deletedfield1->trigger(), type(dialog.Edit1, "SUM"), dialog.Button2->click(), dialog.Button3->click(); }},
      {"Изменить имя поля", false, [&](auto&) {
         form->Controls().N11->trigger(), type(form->Controls().Panel7->Edit12, "SUM"), type(form->Controls().Panel7->Edit13, "TOTAL");
         form->Controls().Panel7->Button15->click(); }},
      {"Ремонт структуры файла", true, [&](const std::string& table) {
         form->Controls().N10->trigger(), dialogs.WillOpen(WritePeople()), form->Controls().Panel6->Button13->click();
         dialogs.saveAnswers.push_back(ui::FileChoice{table, 1});
         form->Controls().Panel6->Button14->click(), form->Controls().Panel6->Button10->click(); }},
      {"the raw view's save", false, [&](const std::string& table) {
         const std::string bytes = ReadFile(table) + "raw";
         ui::ReplaceFileContents(fileSystem.services, table, {[&](const std::string& file) { testsupport::WriteFile(file, bytes); }}); }},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].command);
    const std::string name = "t" + std::to_string(i) + ".dbf", table = dir.Path(name);
    if (cases[i].empty) testsupport::WriteFile(table, structuretest::EmptyTable({{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}}));
    if (!cases[i].empty) WritePeople(name);
    OpenFromMenu(table);
    const std::string original = ReadFile(table);
    form->Controls().StringGrid1->SetSelectedCell(1, 1);
    cases[i].change(table);
    ASSERT_NE(ReadFile(table), original);
    form.reset();
    MainWindowTest::SetUp();
    OpenFromMenu(table);
    // An undo that fails part way (its copy gone) leaves the table as it is.
    std::filesystem::rename(versions.Path("versions"), versions.Path("away"));
    form->Controls().Undo1->trigger();
    std::filesystem::remove_all(versions.Path("versions"));
    std::filesystem::rename(versions.Path("away"), versions.Path("versions"));
    ASSERT_NE(ReadFile(table), original);
    dialogs.messages.clear();
    form->Controls().Undo1->trigger();
    EXPECT_EQ(ReadFile(table), original);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Последнее изменение файла отменено."});
    // The grid shows the table put back: its records and its fields.
    EXPECT_EQ(form->Controls().StringGrid1->RowCount(), cases[i].empty ? 1 : 4);
    EXPECT_EQ(form->Controls().StringGrid1->ColCount(), cases[i].empty ? 3 : 4);
  }
}

// A change that cannot be kept goes ahead, the user told it cannot be
// undone.
TEST_F(MainWindowTest, AChangeThatCannotBeKeptGoesAheadTold) {
  const std::string path = WritePeople();
  testsupport::WriteFile(versions.Path("versions"), "a file where the folder would be");
  OpenFromMenu(path);
  form->Controls().ToolButton2->trigger();
  EXPECT_EQ(form->Controls().StringGrid1->RowCount(), 2);
  EXPECT_TRUE(dialogs.messages[0].starts_with("Копию файла " + path + " сохранить не удалось")) << dialogs.messages[0];
  form->Controls().Undo1->trigger();
  EXPECT_EQ(dialogs.messages.back(), "Нет изменений файла " + path + " для отмены.");
}

// Undo and redo step through the kept versions, each named in the menu; a
// step never drops an edit, nor what another program wrote, unasked.
TEST_F(MainWindowTest, UndoAndRedoStepThroughVersionsAndLoseNothing) {
  const std::string path = WritePeople();
  const std::string original = ReadFile(path);
  OpenFromMenu(path);
  const auto captions = [&] {
    emit form->Controls().FilesMenu->aboutToShow();
    return form->Controls().Undo1->text().toStdString() + "|" + form->Controls().Redo1->text().toStdString();
  };
  const auto named = [](const std::string& caption) { return std::regex(caption + ", [0-9]{2}:[0-9]{2}"); };
  form->Controls().Save1->trigger();
  EXPECT_EQ(captions(), "Отменить|Вернуть");
  form->Controls().Undo1->trigger();
  EXPECT_EQ(dialogs.messages.back(), "Нет изменений файла " + path + " для отмены.");

  form->Controls().StringGrid1->SetCell(1, 1, "Anna");
  form->Controls().Save1->trigger();
  const std::string saved = ReadFile(path);
  EXPECT_TRUE(std::regex_match(captions(), std::regex("Отменить: Save, [0-9]{2}:[0-9]{2}\\|Вернуть"))) << captions();

  form->Controls().StringGrid1->SetCell(2, 1, "Boris");
  EXPECT_EQ(captions(), "Отменить: правка в таблице|Вернуть");
  form->Controls().Undo1->trigger();  // the edit not saved goes first
  form->Controls().Undo1->trigger();
  EXPECT_EQ(ReadFile(path), original);
  EXPECT_EQ(dialogs.messages.back(), "Последнее изменение файла отменено.");
  EXPECT_TRUE(std::regex_match(captions(), named("Отменить\\|Вернуть: Save"))) << captions();
  form->Controls().Redo1->trigger();
  EXPECT_EQ(ReadFile(path), saved);
  EXPECT_EQ(Cell(1, 1), "Anna");
  EXPECT_EQ(dialogs.messages.back(), "Отменённое изменение файла возвращено.");

  std::string other = saved;
  other.replace(other.find("Anna"), 4, "Olga");
  testsupport::WriteFile(path, other);
  dialogs.askAnswers = {false};
  form->Controls().Undo1->trigger();
  EXPECT_EQ(ReadFile(path), other);
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_TRUE(dialogs.questions[0].starts_with("Файл изменён|Файл " + path + " изменён после того")) << dialogs.questions[0];
  dialogs.askAnswers = {true};
  form->Controls().Undo1->trigger();
  EXPECT_EQ(ReadFile(path), original);
  form->Controls().Redo1->trigger();
  EXPECT_EQ(ReadFile(path), other);
  EXPECT_EQ(dialogs.questions.size(), 2u);
}

// A write in place that never ended (the process killed) leaves its version
// marked: the next start names the table and, when told so, puts it back;
// told not to, it leaves the table and does not ask again.
TEST_F(MainWindowTest, ABrokenOffWriteIsNamedAtTheNextStart) {
  for (const bool putBack : {true, false}) {
    SCOPED_TRACE(putBack);
    const std::string path = WritePeople();
    const std::string original = ReadFile(path);
    {
      ui::TableVersions kept(versions.Path("versions"));
      kept.Keep(path);
      kept.WriteBegins(path);
      testsupport::WriteFile(path, original.substr(0, 40));  // torn
    }
    form = std::make_unique<TForm2>(Links());
    dialogs.askAnswers.push_back(putBack);
    form->OfferInterruptedWrites();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_NE(dialogs.questions[0].find(path), std::string::npos) << dialogs.questions[0];
    EXPECT_EQ(ReadFile(path) == original, putBack);
    dialogs.questions.clear();
    form = std::make_unique<TForm2>(Links());
    form->OfferInterruptedWrites();
    EXPECT_TRUE(dialogs.questions.empty());
    dialogs.messages.clear();
  }
}
