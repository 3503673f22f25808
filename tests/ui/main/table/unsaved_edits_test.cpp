#include "main_window_fixture.h"

#include <algorithm>
#include <optional>

using ui::SaveAnswer;

// Closing, Exit, opening another table and a command that fills the grid
// again ask about the grid's edits exactly when there are some: "Да" saves
// them first, "Нет" drops them, "Отмена" keeps the command from running.
// Exit and the close button end the process at once; the title bar's close
// leaves the ending to the application; it and Exit empty the transfer buffer.
TEST_F(MainWindowTest, TheSaveQuestionComesExactlyWhenTheGridHoldsEdits) {
  const struct {
    std::optional<SaveAnswer> answer;  // none: nothing edited
    bool ran;
    bool saved;
  } answers[] = {{std::nullopt, true, false}, {SaveAnswer::Yes, true, true}, {SaveAnswer::No, true, false},
                 {SaveAnswer::Cancel, false, false}};
  const std::string other = WritePeople("other.dbf");
  const auto ended = [&] { return exits == std::vector<int>{0} && form->isHidden(); };
  const struct {
    const char* command;
    std::function<void()> run;
    std::function<bool()> ran;
  } commands[] = {
      {"close", [&] { form->close(); },
       [&] { return form->isHidden() && exits.empty() && transferBufferEmptied == 2; }},
      {"Выход", [&] { form->Controls().N2->trigger(); }, [&] { return ended() && transferBufferEmptied == 2; }},
      {"close button", [&] { form->Controls().bbClose->click(); }, ended},
      {"Open file dbf", [&] { OpenFromMenu(other); }, [&] { return form->Table().TablePath() == other; }},
      {"Очистить весь файл", [&] { form->Controls().N12->trigger(); }, [&] { return form->Controls().StringGrid1->RowCount() == 1; }},
  };
  for (const auto& command : commands) {
    for (const auto& answer : answers) {
      SCOPED_TRACE(std::string(command.command) + (answer.answer ? " edited" : ""));
      form.reset(), exits.clear(), transferBufferEmptied = 0, MainWindowTest::SetUp();
      const std::string path = WritePeople();
      OpenFromMenu(path);
      if (answer.answer) {
        form->Controls().StringGrid1->SetCell(1, 1, "Anna");
        dialogs.saveChangesAnswers.push_back(*answer.answer);
      }
      dialogs.saveChangesQuestions.clear(), dialogs.messages.clear();
      command.run();
      EXPECT_EQ(dialogs.saveChangesQuestions.size(), answer.answer ? 1u : 0u);
      if (answer.answer) {
        EXPECT_EQ(dialogs.saveChangesQuestions[0], "Сохранить изменения в файле " + path + "?");
      }
      EXPECT_EQ(command.ran(), answer.ran);
      const auto& said = dialogs.messages;
      EXPECT_EQ(std::count(said.begin(), said.end(), "Сохранение выполнено!"), answer.saved ? 1 : 0);
    }
  }
}
