// A table deleted from the disk after its rows were loaded: every command
// that needs the file says, once, which file is gone, instead of the
// engine's or the system's own text, and creates no file in its place. The
// rename panel's two commands are checked so by the panel's own test.
#include "main_window_fixture.h"

#include <QLineEdit>

#include <filesystem>
#include <functional>

TEST_F(MainWindowTest, CommandsOnADeletedTableNameTheDeletedFile) {
  const std::string other = WritePeople("other.dbf");
  const struct {
    const char* command;
    std::function<void()> run;
  } cases[] = {
      {"delete field", [&] { form->Controls().Deletedfield1->trigger(); }},
      {"copy from file",
       [&] {
         dialogs.WillOpen(other);
         dialogs.askAnswers = {true, true};  // the copy, and the file whose rows are not shown
         form->Controls().N13->trigger();
       }},
      {"reload", [&] { form->Controls().Reload1->trigger(); }},
      {"sum",
       [&] {
         form->Controls().Edit4->setText("SUM");
         form->Controls().Button4->click();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    const std::string path = WritePeople();
    OpenFromMenu(path);
    std::filesystem::remove(path);
    dialogs.messages.clear();
    c.run();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Файл " + path +
                                                         " удалён после загрузки строк таблицы.\r\nСтроки можно "
                                                         "сохранить в новый файл командой \"Save as :\".\r\n"
                                                         "Команда не выполнена!"});
    EXPECT_FALSE(std::filesystem::exists(path));
  }
  // A failure about another file keeps its own text: a Save as whose folder
  // cannot exist (its parent is a file) names the file it could not write.
  const std::string out = other + "/copy.dbf";
  dialogs.messages.clear();
  dialogs.saveAnswers.push_back(ui::FileChoice{out});
  form->Controls().Saveas1->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find(out), std::string::npos) << dialogs.messages[0];
  EXPECT_EQ(dialogs.messages[0].find("удалён"), std::string::npos) << dialogs.messages[0];
  EXPECT_TRUE(exits.empty());
}
