// The program opens what it writes: a table written under a name typed
// without an extension gets ".dbf" and opens as a table.
#include "main_window_fixture.h"



namespace {

struct Writer {
  const char* command;
  std::function<void()> run;  // writes a table typed as "out"
};

class OwnOutputTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    table = WritePeople();
    OpenFromMenu(table);
  }
  std::string table;
};

TEST_F(OwnOutputTest, EveryTableWrittenUnderANameWithoutExtensionGetsDbfAndOpens) {
  const std::string out = dir.Path("out");
  const Writer writers[] = {
      {"Save as", [&] { dialogs.saveAnswers.push_back(ui::FileChoice{out}), form->Controls().Saveas1->trigger(); }},
      {"sorted copy", [&] { SortedCopy(out); }},
      {"range into a new table", [&] { form->Controls().Edit1->setText("out"), form->Controls().Button2->click(); }},
      {"structure copy", [&] { dialogs.WillOpen(out), form->Controls().CopyStructurefile1->trigger(); }},
      {"new table", [&] { dialogs.saveAnswers.push_back(ui::FileChoice{out, 1}), form->Controls().CreateFile1->trigger(); }},
  };
  for (const Writer& w : writers) {
    SCOPED_TRACE(w.command);
    OpenFromMenu(table);
    std::filesystem::remove(out + ".dbf");
    w.run();
    EXPECT_FALSE(std::filesystem::exists(out));
    ASSERT_TRUE(std::filesystem::exists(out + ".dbf"));
    dialogs.messages.clear();
    OpenFromMenu(out + ".dbf");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
    EXPECT_FALSE(form->Controls().StringGrid1->isHidden());
    EXPECT_EQ(form->Table().TablePath(), out + ".dbf");
  }
}

}  // namespace
