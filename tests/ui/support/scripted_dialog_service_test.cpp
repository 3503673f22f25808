#include "scripted_dialog_service.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Collects the faults instead of failing the test, and puts the tests'
// reporter back afterwards.
class ScriptedDialogServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::ScriptedDialogService::SetFaultReporter([this](const std::string& fault) { faults.push_back(fault); });
  }
  void TearDown() override {
    ui::ScriptedDialogService::SetFaultReporter([](const std::string& fault) { ADD_FAILURE() << fault; });
  }

  std::vector<std::string> faults;
};

TEST_F(ScriptedDialogServiceTest, ADialogNobodyScriptedAndAnAnswerNeverAskedForAreFaults) {
  ui::ScriptedDialogService dialogs;
  EXPECT_FALSE(dialogs.Ask("Title", "Sure?"));
  EXPECT_FALSE(dialogs.OpenFile("Все файлы|*.*|").has_value());
  EXPECT_FALSE(dialogs.SaveFile("Все файлы|*.*|").has_value());
  EXPECT_FALSE(dialogs.ChooseFont({}).has_value());
  EXPECT_FALSE(dialogs.AskText("Title", "Number:", "1").has_value());
  dialogs.Message("messages need no answer");
  ASSERT_EQ(faults.size(), 5u);
  EXPECT_NE(faults[0].find("Title|Sure?"), std::string::npos) << faults[0];
  faults.clear();
  // Answers never asked for are faults too; a scripted cancel is not.
  {
    ui::ScriptedDialogService scripted;
    scripted.askAnswers = {true, false};
    scripted.openAnswers.push_back(std::nullopt);
    scripted.saveAnswers.push_back(std::nullopt);
    scripted.textAnswers.push_back("2");
    EXPECT_TRUE(scripted.Ask("Title", "Sure?"));
    EXPECT_FALSE(scripted.OpenFile("").has_value());
  }
  ASSERT_EQ(faults.size(), 3u);
  EXPECT_NE(faults[0].find("save dialog"), std::string::npos) << faults[0];
  EXPECT_NE(faults[1].find("question"), std::string::npos) << faults[1];
  EXPECT_NE(faults[2].find("text input"), std::string::npos) << faults[2];
}
