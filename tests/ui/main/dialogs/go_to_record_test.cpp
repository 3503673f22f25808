#include "main_window_fixture.h"

TEST_F(MainWindowTest, GoToMakesTheRecordsRowCurrentAndRefusesOtherNumbers) {
  form->Controls().GoTo1->trigger();  // no table: nothing asked
  OpenFromMenu(WritePeople());
  form->Controls().StringGrid1->SetSelectedCell(1, 2);
  const struct { std::optional<std::string> answer; int row; bool refused; } cases[] = {
      {"3", 3, false}, {"1", 1, false}, {std::nullopt, 1, false}, {"0", 1, true}, {"4", 1, true}, {"two", 1, true}};
  for (const auto& c : cases) {
    dialogs.messages.clear();
    dialogs.textAnswers.push_back(c.answer);
    form->Controls().GoTo1->trigger();
    EXPECT_EQ(std::make_pair(form->Controls().StringGrid1->Row(), form->Controls().StringGrid1->Col()), std::make_pair(c.row, 2));
    const std::vector<std::string> refusal{"Нет записи с номером \"" + c.answer.value_or("") + "\"."};
    EXPECT_EQ(dialogs.messages, c.refused ? refusal : std::vector<std::string>{}) << c.answer.value_or("cancel");
  }
  EXPECT_EQ(dialogs.textRequests.front(), "Перейти к записи|Номер записи (1 - 3):|1");
}
