#include "office_window_fixture.h"

namespace {

using SpreadsheetCommandsTest = OfficeWindowTest;

TEST_F(SpreadsheetCommandsTest, CopyingNeedsASpreadsheetAsTheCurrentFile) {
  const std::string table = officetest::WriteTable(dir, "t.dbf", {{"A", 'C', 2}}, {{"x"}});
  Open(table);
  form->Controls().N17->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Откройте копируемый (исходный) файл EXCEL !"});
  // The refusal changes nothing: the table stays shown and named.
  EXPECT_EQ(form->Table().TablePath(), table);
  EXPECT_FALSE(form->Controls().StringGrid1->isHidden());
  EXPECT_EQ(form->Controls().StaticText2->text().toStdString(), table);
  EXPECT_TRUE(servers.excels.empty());
}

// Files that are not tables go to the spreadsheet program; a second
// spreadsheet goes there with references of its own.
TEST_F(SpreadsheetCommandsTest, SpreadsheetsAndASecondOneGoToTheSpreadsheetProgram) {
  const std::string first = dir.Path("first.xls");
  const std::string second = dir.Path("SECOND.XLS");
  testsupport::WriteFile(first, "1");
  testsupport::WriteFile(second, "2");
  Open(first);
  EXPECT_TRUE(form->Controls().StringGrid1->isHidden());
  EXPECT_EQ(servers.log.calls,
            (std::vector<std::string>{"start Excel1", "Excel1.WorkBooks", "Excel1.Add(" + first + ")",
                                      "Excel1.SheetsInNewWorkbook=1", "Excel1.WorkSheets(1)", "Excel1.Cells",
                                      "Excel1.Columns", "Excel1.AutoFit", "Excel1.Visible=true"}));
  dialogs.WillOpen(second);
  form->Controls().N17->trigger();
  EXPECT_EQ(dialogs.openFilters.back(), "Файлы EXCEL|*.xls|Все файлы|*.*|");
  ASSERT_EQ(servers.excels.size(), 2u);
  EXPECT_EQ(servers.log.calls[11], "Excel2.Add(" + second + ")");
  EXPECT_EQ(servers.log.calls.back(), "Excel2.Visible=true");
  // Both applications stay referenced.
  EXPECT_GT(servers.excels[0].use_count(), 1);
  EXPECT_GT(servers.excels[1].use_count(), 1);
  EXPECT_EQ(form->Table().TablePath(), first);

  // A second file of another kind, a missing one or a cancelled dialog show nothing.
  const std::string text = dir.Path("other.txt");
  testsupport::WriteFile(text, "3");
  dialogs.WillOpen(text);
  form->Controls().N17->trigger();
  dialogs.WillOpen(dir.Path("missing.xls"));
  form->Controls().N17->trigger();
  dialogs.openAnswers.push_back(std::nullopt);
  form->Controls().N17->trigger();
  EXPECT_EQ(servers.excels.size(), 2u);
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
