#include "main_window_fixture.h"

#include <algorithm>
#include <optional>

using ui::SaveAnswer;

// Closing, Exit, opening another table and a command that fills the grid
// again ask about the grid's edits exactly when there are some: "Да" saves
// them first, "Нет" drops them, "Отмена" keeps the command from running.
TEST_F(MainWindowTest, TheSaveQuestionComesExactlyWhenTheGridHoldsEdits) {
  const struct {
    std::optional<SaveAnswer> answer;  // none: nothing edited
    bool ran;
    bool saved;
  } answers[] = {{std::nullopt, true, false}, {SaveAnswer::Yes, true, true}, {SaveAnswer::No, true, false},
                 {SaveAnswer::Cancel, false, false}};
  const std::string other = WritePeople("other.dbf");
  const struct {
    const char* command;
    std::function<void()> run;
    std::function<bool()> ran;
  } commands[] = {
      {"close", [&] { form->close(); }, [&] { return form->isHidden(); }},
      {"Выход", [&] { form->Controls().N2->trigger(); }, [&] { return !exits.empty(); }},
      {"Open file dbf", [&] { OpenFromMenu(other); }, [&] { return form->Table().TablePath() == other; }},
      {"Очистить весь файл", [&] { form->Controls().N12->trigger(); }, [&] { return form->Controls().StringGrid1->RowCount() == 1; }},
  };
  for (const auto& command : commands) {
    for (const auto& answer : answers) {
      SCOPED_TRACE(std::string(command.command) + (answer.answer ? " edited" : ""));
      form.reset(), exits.clear(), MainWindowTest::SetUp();
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
