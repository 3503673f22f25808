// Every long command stopped part way, by "Отмена" or Escape: every file as it
// was, bytes and modification time (none new or half-made), nothing
// reported, the window as it was.
#include "main_window_fixture.h"
#include "progress.h"

#include <QAbstractButton>
#include <QTest>


namespace {

class StoppingCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    table = WritePeople();
    OpenFromMenu(table);
  }

  // Runs the command, asking it to stop once its bar has come `stopAt` of
  // the way, by Escape or by the cancel button.
  void RunStopped(const std::function<void()>& command, double stopAt, bool escape) {
    bool asked = false;
    ui::ProgressWatch watch([&](ui::Progress& progress) {
      if (asked || progress.Fraction() < stopAt) return;
      asked = true;
      // No second command starts while this one runs.
      form->Controls().ToolButton4->trigger();
      if (escape) QTest::keyClick(form->Controls().StringGrid1, Qt::Key_Escape);
      else progress.CancelButton()->click();
    });
    command();
    EXPECT_TRUE(asked) << "the bar never came that far";
  }

  std::string table;
};

struct StopCase {
  const char* command;
  double stopAt;  // how far the bar has come when the stop is asked
  std::function<void()> arrange, run;
};

TEST_F(StoppingCommandsTest, AStoppedCommandLeavesEveryFileAndTheWindowAsTheyWere) {
  const auto range = [this](const char* name) { return [this, name] { FillRange(name, "1", "3"); }; };
  const std::vector<testsupport::FieldSpec> pay{{"FIO", 'C', 8}, {"ACCOUNT", 'C', 4}, {"TIN", 'C', 4}, {"SUMMA", 'N', 6, 2}};
  const StopCase cases[] = {
      {"open", 0.5, [this] { WritePeople("other.dbf"); }, [this] { OpenFromMenu(dir.Path("other.dbf")); }},
      {"Save", 0.5, [this] { form->Controls().StringGrid1->SetCell(1, 1, "Anna"); }, [this] { form->Controls().Save1->trigger(); }},
      {"Save as", 0.5, [this] { dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("copy.dbf")}); },
       [this] { form->Controls().Saveas1->trigger(); }},
      {"sort", 0.3, [this] { FillSortPanel(dir.Path("sorted.dbf")); }, [this] { form->Controls().Panel3->Button1->click(); }},
      {"delete marked", 0.5, [this] { form->Controls().StringGrid1->SetCell(1, 0, "1 Delete"); }, [this] { form->Controls().ToolButton8->trigger(); }},
      {"remove zero sums", 0.5, [this] { form->Controls().Edit4->setText("SUM"); }, [this] { form->Controls().Button5->click(); }},
      {"append", 0.5, [this] { dialogs.WillOpen(WritePeople("more.dbf")), dialogs.askAnswers.push_back(true); },
       [this] { form->Controls().N13->trigger(); }},
      {"range into a new table", 0.5, range("range.dbf"), [this] { form->Controls().Button2->click(); }},
      {"range onto a table", 0.5, [&] { WritePeople("range.dbf"), range("range.dbf")(); }, [this] { form->Controls().Button2->click(); }},
      {"repair", 0.5, [this] { FillRepair(table, dir.Path("fixed.dbf")); }, [this] { form->Controls().Panel6->Button10->click(); }},
      {"report", 0.5, [this] { FillReport(); }, [this] { form->Controls().Panel4->Button8->click(); }},
      {"export, writing", 0.5, [this] { form->Controls().ToolButton5->trigger(); }, [this] { form->Controls().Panel5->Button3->click(); }},
      // Past the rows: only the packing of the file tells this far.
      {"export, packing", 0.63, [this] { form->Controls().ToolButton5->trigger(); }, [this] { form->Controls().Panel5->Button3->click(); }},
      {"payment list, gathering", 0.05,
       [&] {
         testsupport::WriteFile(dir.Path("pay.dbf"), testsupport::TableBytes(testsupport::TableLayout{
                                                        pay, {testsupport::Record(pay, {"Ann", "1", "2", "5"})}}));
         OpenFromMenu(dir.Path("pay.dbf"));
       },
       [this] { form->Controls().N16->trigger(); }},
  };
  bool escape = false;
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.command);
    TearDown();
    dialogs.messages.clear();
    SetUp();
    c.arrange();
    const auto before = Files();
    const std::string path = form->Table().TablePath();
    const int rows = form->Controls().StringGrid1->RowCount();
    const std::string firstName = Cell(1, 1);

    RunStopped(c.run, c.stopAt, escape = !escape);

    EXPECT_EQ(Files(), before);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
    EXPECT_EQ(form->Table().TablePath(), path);
    EXPECT_EQ(form->Controls().StringGrid1->RowCount(), rows);
    EXPECT_EQ(Cell(1, 1), firstName);  // an edit not saved stays on screen
    EXPECT_TRUE(form->Controls().ProgressBar1->isHidden());
  }
}

}  // namespace
