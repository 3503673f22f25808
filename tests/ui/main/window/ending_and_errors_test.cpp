#include "main_window_fixture.h"


// A file that is no table is refused with the engine's message; the program
// goes on showing the table it showed, unsaved edits included, and Save still
// writes them into that table.
TEST_F(MainWindowTest, AFileThatIsNoTableLeavesTheShownTableAndItsEditsAlone) {
  const std::string people = WritePeople();
  OpenFromMenu(people);
  form->Controls().N5->trigger();
  form->Controls().StringGrid1->SetCell(3, 1, "Carla");
  std::string damaged = testsupport::ReadFile(people);
  damaged[10] = 0;  // record length 0
  damaged[11] = 0;
  const std::vector<std::pair<std::string, std::string>> files{
      {"zero.dbf", ""},
      {"text.dbf", "NAME;SUM\nAnna;12.50\n"},
      {"random.dbf", std::string("\x9c\x01\xff\x10\x00\x7f\x80\x81\x33\x00\x00\xfe", 12)},
      {"damaged.dbf", damaged}};
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    testsupport::WriteFile(dir.Path(name), bytes);
    dialogs.messages.clear();
    dialogs.saveChangesAnswers.push_back(ui::SaveAnswer::No);  // the edits stay all the same
    OpenFromMenu(dir.Path(name));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Ошибка 13 - DbfOpen : Файл N   1 не типа DBF "}));
    EXPECT_EQ(form->Table().TablePath(), people);
    EXPECT_EQ(Shown(form->Controls().StaticText2), people);
    EXPECT_EQ(Cell(3, 1), "Carla");
  }
  EXPECT_TRUE(exits.empty());
  form->Controls().Save1->trigger();
  EXPECT_EQ(dialogs.messages.back(), "Сохранение выполнено!");
  EXPECT_NE(testsupport::ReadFile(people).find("Carla"), std::string::npos);
}
