#include "main_window_fixture.h"

TEST_F(MainWindowTest, GoToMakesTheRecordsRowCurrentAndRefusesOtherNumbers) {
  form->GoTo1->trigger();  // no table: nothing asked
  OpenFromMenu(WritePeople());
  form->StringGrid1->SetSelectedCell(1, 2);
  const struct {
    std::optional<std::string> answer;
    int row;
    const char* message;
  } cases[] = {{"3", 3, nullptr},         {"1", 1, nullptr},         {std::nullopt, 1, nullptr},
               {"0", 1, "\"0\""},         {"4", 1, "\"4\""},         {"two", 1, "\"two\""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer.value_or("cancel"));
    dialogs.messages.clear();
    dialogs.textAnswers.push_back(c.answer);
    form->GoTo1->trigger();
    EXPECT_EQ(form->StringGrid1->Row(), c.row);
    EXPECT_EQ(form->StringGrid1->Col(), 2);
    EXPECT_EQ(dialogs.messages, c.message ? std::vector<std::string>{std::string("Нет записи с номером ") + c.message + "."}
                                          : std::vector<std::string>{});
  }
  EXPECT_EQ(dialogs.textRequests.front(), "Перейти к записи|Номер записи (1 - 3):|1");
}
