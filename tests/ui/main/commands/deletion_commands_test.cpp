#include "main_window_fixture.h"

#include "deletion_commands.h"
#include "process_limits.h"

using namespace testsupport;

namespace {

const std::vector<FieldSpec> kNumberField{{"N", 'C', 3}};

// Records "1" .. "count", those in `deleted` flagged in the file.
TableLayout Numbered(int count, const std::vector<int>& deleted = {}) {
  TableLayout layout;
  layout.fields = kNumberField;
  for (int i = 1; i <= count; ++i) {
    const bool flagged = std::find(deleted.begin(), deleted.end(), i) != deleted.end();
    layout.records.push_back(Record(kNumberField, {std::to_string(i)}, flagged));
  }
  return layout;
}

}  // namespace

class DeletionCommandsTest : public MainWindowTest {
 protected:
  std::string OpenNumbered(int count, const std::vector<int>& deleted = {}) {
    const std::string path = dir.Path("numbers.dbf");
    testsupport::WriteFile(path, TableBytes(Numbered(count, deleted)));
    OpenFromMenu(path);
    return path;
  }

  void Select(int row) { form->Controls().StringGrid1->SetSelectedCell(row, 1); }

  // The values the grid shows, row by row.
  std::vector<std::string> Values() const {
    std::vector<std::string> values;
    for (int row = 1; row < form->Controls().StringGrid1->RowCount(); ++row) values.push_back(Cell(row, 1));
    return values;
  }
};

TEST_F(DeletionCommandsTest, DeletingMarkedRecordsMakesTheFlagsTheGridsMarksAndPurges) {
  const std::string path = OpenNumbered(5, {2, 4});
  Select(4);
  form->Controls().ToolButton7->trigger();  // record 4 stays, losing its flag
  form->Controls().ToolButton7->trigger();  // not marked: stays so
  EXPECT_EQ(Cell(4, 0), "      4");
  Select(5);
  form->Controls().ToolButton6->trigger();
  form->Controls().ToolButton6->trigger();  // already marked: stays so
  EXPECT_EQ(Cell(5, 0), "5 Delete");
  EXPECT_EQ(ReadFile(path), TableBytes(Numbered(5, {2, 4})));  // marks write nothing
  form->Controls().ToolButton8->trigger();
  EXPECT_EQ(ReadFile(path), TableBytes(TableLayout{kNumberField,
                                                   {Record(kNumberField, {"1"}), Record(kNumberField, {"3"}),
                                                    Record(kNumberField, {"4"})}}));
  EXPECT_EQ(Values(), std::vector<std::string>({"1", "3", "4"}));
  EXPECT_EQ(Cell(3, 0), "      3");
  EXPECT_EQ(Shown(form->Controls().StaticText1), "      3 записей.");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Удаление выполнено!"}));
  EXPECT_TRUE(form->Controls().ProgressBar1->isHidden());

  // Without marks every flag is cleared and nothing removed.
  testsupport::WriteFile(path, TableBytes(Numbered(3, {2})));
  OpenFromMenu(path);
  form->Controls().StringGrid1->SetCell(2, 0, "      2");
  form->Controls().ToolButton8->trigger();
  EXPECT_EQ(ReadFile(path), TableBytes(Numbered(3)));
}

TEST_F(DeletionCommandsTest, RowsWithoutARecordChangeNothing) {
  const std::string path = OpenNumbered(3);
  // An inserted row is an edit: dropped before each command that fills the
  // grid again (Deleterecord1, opening the empty table).
  dialogs.saveChangesAnswers = {ui::SaveAnswer::No, ui::SaveAnswer::No, ui::SaveAnswer::No};
  Select(3);
  form->Controls().N9->trigger();  // row 4 has no record yet
  Select(4);
  form->Controls().ToolButton6->trigger();
  form->Controls().ToolButton8->trigger();
  EXPECT_EQ(ReadFile(path), TableBytes(Numbered(3)));
  EXPECT_EQ(Values(), std::vector<std::string>({"1", "2", "3"}));

  form->Controls().N9->trigger();
  Select(4);
  form->Controls().Deleterecord1->trigger();
  EXPECT_EQ(ReadFile(path), TableBytes(Numbered(3)));

  // A table without records: the selected row is the header.
  const std::string empty = dir.Path("empty.dbf");
  testsupport::WriteFile(empty, TableBytes(Numbered(0)));
  OpenFromMenu(empty);
  form->Controls().ToolButton2->trigger();
  form->Controls().Deleterecord1->trigger();
  form->Controls().ToolButton6->trigger();
  EXPECT_EQ(ReadFile(empty), TableBytes(Numbered(0)));
  EXPECT_EQ(Cell(0, 0), "\xb9 \xef/\xef");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Удаление выполнено!"}));
  EXPECT_TRUE(exits.empty());
}

TEST_F(DeletionCommandsTest, ClearingTheWholeFileLeavesTheHeaderRowAlone) {
  const std::string path = OpenNumbered(1000);
  form->Controls().N12->trigger();
  EXPECT_EQ(ReadFile(path), TableBytes(Numbered(0)));
  EXPECT_EQ(form->Controls().StringGrid1->RowCount(), 1);
  EXPECT_EQ(form->Controls().StringGrid1->FixedRows(), 0);
  EXPECT_EQ(Shown(form->Controls().StaticText1), "1000 строк");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Удаление выполнено!"}));
}

TEST_F(DeletionCommandsTest, AFlagWriteFailingPartWayIsReportedAndNoRecordIsLost) {
  const std::string path = OpenNumbered(50);
  Select(40);
  form->Controls().ToolButton6->trigger();
  {
    testsupport::FileSizeLimit limit(ReadFile(path).size() / 2);
    form->Controls().ToolButton8->trigger();
  }
  EXPECT_TRUE(testsupport::OnlyTooLarge(dialogs.messages));
  EXPECT_EQ(ReadFile(path), TableBytes(Numbered(50)));
}

TEST_F(DeletionCommandsTest, ThePurgedGridShowsWhatReadingTheTableAgainShows) {
  for (const auto& [count, flagged] : std::vector<std::pair<int, std::vector<int>>>{{40, {3, 9, 27}}, {2, {1, 2}}}) {
    OpenNumbered(count, flagged);
    Select(1);
    form->Controls().ToolButton6->trigger();
    form->Controls().ToolButton8->trigger();
    const std::vector<std::string> purged = GridAsShown();
    form->Controls().Reload1->trigger();
    EXPECT_EQ(purged, GridAsShown()) << count;
  }
  // The purge gives a table without an end mark one: the next command takes
  // the file for what the purge wrote, not for another program's change.
  std::string bytes = TableBytes(Numbered(4));
  bytes.pop_back();
  testsupport::WriteFile(dir.Path("numbers.dbf"), bytes);
  OpenFromMenu(dir.Path("numbers.dbf"));
  Select(1);
  form->Controls().ToolButton6->trigger();
  form->Controls().ToolButton8->trigger();
  Select(1);
  form->Controls().ToolButton2->trigger();
  EXPECT_EQ(Values(), std::vector<std::string>({"3", "4"}));
}
