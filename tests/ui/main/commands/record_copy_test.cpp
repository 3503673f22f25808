#include "main_window_fixture.h"
#include "table_records.h"


namespace {

const std::vector<testsupport::FieldSpec> kSource{{"NAME", 'C', 6}, {"SUMMA", 'N', 6, 2}, {"CODE", 'C', 3}};
// Another layout: SUMMA wider with three decimals, NAME shorter, NOTE its own.
const std::vector<testsupport::FieldSpec> kOther{{"NOTE", 'C', 4}, {"SUMMA", 'N', 8, 3}, {"NAME", 'C', 3}};

std::string Write(const std::string& path, const std::vector<testsupport::FieldSpec>& fields,
                  const std::vector<std::string>& records) {
  testsupport::TableLayout layout;
  layout.fields = fields;
  layout.records = records;
  testsupport::WriteFile(path, testsupport::TableBytes(layout));
  return path;
}

class RecordCopyTest : public MainWindowTest {
 protected:
  // Four records, the second marked deleted.
  void OpenSource() {
    table = Write(dir.Path("src.dbf"), kSource,
                  {testsupport::Record(kSource, {"Ann", "  1.50", "A"}),
                   testsupport::Record(kSource, {"Bob", " -2.00", "B"}, true),
                   testsupport::Record(kSource, {"Carol", "  3.25", "C"}),
                   testsupport::Record(kSource, {"Dan", "  4.00", "D"})});
    OpenFromMenu(table);
    source = testsupport::ReadFile(table);
  }

  void CopyRange(const char* name, const char* first, const char* last) {
    FillRange(name, first, last);
    form->Controls().Button2->click();
  }

  void Append(const std::string& path, bool yes = true) {
    dialogs.WillOpen(path);
    dialogs.askAnswers.push_back(yes);
    form->Controls().N13->trigger();
  }

  std::string table;
  std::string source;
};

TEST_F(RecordCopyTest, CopiesARangeIntoANewTableOrOneOfAnotherLayoutAndRefusesBadInput) {
  OpenSource();
  CopyRange(" part.dbf ", " 2", "99");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Копирование файла выполнено!"}));
  const std::string part = dir.Path("part.dbf");
  const std::string bytes = testsupport::ReadFile(part);
  EXPECT_EQ(bytes.substr(8, 4), source.substr(8, 4));  // the same header and record sizes
  // Records 2 to the last, none marked deleted.
  EXPECT_EQ(RecordsOf(part), std::vector<std::string>({testsupport::Record(kSource, {"Bob", " -2.00", "B"}),
                                                       testsupport::Record(kSource, {"Carol", "  3.25", "C"}),
                                                       testsupport::Record(kSource, {"Dan", "  4.00", "D"})}));
  EXPECT_EQ(bytes.back(), '\x1a');
  EXPECT_EQ(testsupport::ReadFile(table), source);

  // Empty numbers copy the whole table; first above last copies nothing but reports done.
  CopyRange("part.dbf", "", "");
  CopyRange("part.dbf", "3", "2");
  EXPECT_EQ(RecordsOf(part).size(), 7u);
  EXPECT_EQ(dialogs.messages.size(), 3u);

  // Into a table there of another layout, field by field name.
  const std::string other = Write(dir.Path("other.dbf"), kOther, {testsupport::Record(kOther, {"old", "   9.000", "Zed"})});
  CopyRange("other.dbf", "3", "3");
  EXPECT_EQ(RecordsOf(other), std::vector<std::string>({testsupport::Record(kOther, {"old", "   9.000", "Zed"}),
                                                        testsupport::Record(kOther, {"", "   3.250", "Car"})}));

  // A missing name and bad numbers are refused.
  dialogs.messages.clear();
  CopyRange("  ", "", "");
  CopyRange("x.dbf", "two", "");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Копирование не выполнено!\r\nНет имени файла для копии.",
                                                        "'two' is not a valid integer value"}));
  EXPECT_FALSE(std::filesystem::exists(dir.Path("x.dbf")));
}

TEST_F(RecordCopyTest, AppendsAnotherTableOfAnotherLayout) {
  OpenSource();
  const std::string other = Write(dir.Path("other.dbf"), kOther,
                                  {testsupport::Record(kOther, {"x", "  12.345", "Eve"}, true)});
  const std::string otherBytes = testsupport::ReadFile(other);
  Append(other);
  EXPECT_EQ(dialogs.questions, std::vector<std::string>({"Выполнить копирование?|Копируемый файл : " + other}));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Копирование выполнено!"}));
  const auto records = RecordsOf(table);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[4], testsupport::Record(kSource, {"Eve", " 12.35", ""}));
  EXPECT_EQ(testsupport::ReadFile(other), otherBytes);
  ASSERT_EQ(form->Controls().StringGrid1->RowCount(), 6);
  EXPECT_EQ(Cell(5, 1), "Eve");
  EXPECT_EQ(Shown(form->Controls().StaticText1), "      5 записей.");

  // A file that does not exist, or an answer other than Yes: nothing is appended.
  dialogs.messages.clear();
  dialogs.WillOpen(dir.Path("none.dbf"));
  form->Controls().N13->trigger();
  Append(other, false);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Отмена копирования !"}));
  EXPECT_EQ(RecordsOf(table).size(), 5u);
}

TEST_F(RecordCopyTest, ACopyOrAppendIntoTheTableItselfDoublesItOnce) {
  for (const bool append : {false, true}) {
    SCOPED_TRACE(append ? "append" : "range copy");
    dialogs.messages.clear();
    OpenSource();
    if (append) Append(dir.dir() + "/./src.dbf");
    else CopyRange("src.dbf", "", "");
    const auto records = RecordsOf(table);
    ASSERT_EQ(records.size(), 8u);
    EXPECT_EQ(records[5], testsupport::Record(kSource, {"Bob", " -2.00", "B"}));
    EXPECT_EQ(records[7], testsupport::Record(kSource, {"Dan", "  4.00", "D"}));
    if (append) {
      EXPECT_EQ(form->Controls().StringGrid1->RowCount(), 9);
      EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Копирование выполнено!"}));
    }
  }
}

}  // namespace
