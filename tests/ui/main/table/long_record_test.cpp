// A table whose records are longer than its fields (other writers keep room
// after the last field): it opens, saves and keeps those bytes.
#include "main_window_fixture.h"

namespace {

using LongRecordTest = MainWindowTest;

TEST_F(LongRecordTest, ATableWhoseRecordsAreLongerThanItsFieldsSavesKeepingTheBytesPastThem) {
  const std::vector<testsupport::FieldSpec> fields{{"NAME", 'C', 10}};
  testsupport::TableLayout layout;
  layout.fields = fields;
  layout.recordLengthOverride = 1 + 10 + 2000;
  layout.records = {" Ann       " + std::string(2000, 'x'), " Bob       " + std::string(2000, 'y')};
  const std::string path = dir.Path("long.dbf");
  testsupport::WriteFile(path, testsupport::TableBytes(layout));
  OpenFromMenu(path);
  ASSERT_EQ(Cell(2, 1), "Bob");
  form->Controls().N5->trigger();
  form->Controls().StringGrid1->SetCell(2, 1, "Bill");
  form->Controls().Save1->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Сохранение выполнено!"}));
  layout.records[1] = " Bill      " + std::string(2000, 'y');
  EXPECT_EQ(testsupport::ReadFile(path), testsupport::TableBytes(layout));
}

}  // namespace
