// "Сохранить как CSV…" and "Создать из CSV…" driven through the menu.
#include "main_window_fixture.h"


namespace {

class CsvCommandsTest : public MainWindowTest {
 protected:
  // NAME C10, SUM N8.2, DAY D8, OK L1 in DOS 866; the second record marked deleted.
  std::string WriteTable() {
    const std::vector<testsupport::FieldSpec> fields{{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"DAY", 'D', 8}, {"OK", 'L', 1}};
    testsupport::TableLayout layout;
    layout.fields = fields;
    layout.records = {testsupport::Record(fields, {"\x88\xa2\xa0\xad\xae\xa2", "   12.50", "20240131", "T"}),
                      testsupport::Record(fields, {"a,\"b\"", "   -3.00", "        ", "F"}, true),
                      testsupport::Record(fields, {" two\r\nrow", "        ", "20231301", "?"})};
    const std::string path = dir.Path("t.dbf");
    testsupport::WriteFile(path, testsupport::TableBytes(layout));
    return path;
  }

  // A table from the CSV, with `templatePath` as its template when not empty.
  void CreateFromCsv(const std::string& csvPath, const std::string& table, const std::string& templatePath = "",
                     int filterIndex = 1) {
    dialogs.WillOpen(csvPath, filterIndex);
    dialogs.askAnswers.push_back(!templatePath.empty());
    if (!templatePath.empty()) dialogs.WillOpen(templatePath);
    dialogs.saveAnswers.push_back(ui::FileChoice{table, 1});
    form->Controls().CreatefromCSV1->trigger();
  }

  static std::string Records(const std::string& table) {
    const std::string bytes = testsupport::ReadFile(table);
    return bytes.substr(testsupport::U16At(bytes, 8));
  }
};

const char kCsv[] =
    "*,NAME,SUM,DAY,OK\r\n"
    ",Иванов,12.50,2024-01-31,T\r\n"
    "*,\"a,\"\"b\"\"\",-3.00,,F\r\n"
    ",\" two\r\nrow\",,20231301,?\r\n";

// The save dialog's first entry, and its third: ";", a decimal comma,
// DD.MM.YYYY and a byte-order mark, as spreadsheets in a Russian locale read CSV.
const char kRussianCsv[] =
    "\xEF\xBB\xBF*;NAME;SUM;DAY;OK\r\n"
    ";Иванов;12,50;31.01.2024;T\r\n"
    "*;\"a,\"\"b\"\"\";-3,00;;F\r\n"
    ";\" two\r\nrow\";;20231301;?\r\n";

TEST_F(CsvCommandsTest, CsvOutAndBackInGivesTheSameRecordsInEitherFlavour) {
  const std::string table = WriteTable();
  for (const auto& [filterIndex, name, csv] : {std::tuple{1, "out", kCsv}, std::tuple{3, "ru", kRussianCsv}}) {
    SCOPED_TRACE(name);
    const std::string out = dir.Path(name) + ".csv", guessed = dir.Path(name) + "_guessed.dbf";
    const auto save = [&](const std::string& path) {
      dialogs.saveAnswers.push_back(ui::FileChoice{path, filterIndex});
      form->Controls().SaveasCSV1->trigger();
      return testsupport::ReadFile(path + (path.ends_with(".csv") ? "" : ".csv"));
    };
    OpenFromMenu(table);
    dialogs.messages.clear();
    EXPECT_EQ(save(dir.Path(name)), csv);  // ".csv" is added

    // Guessed fields: the same values, so the same CSV again; a template: the same bytes.
    CreateFromCsv(out, guessed);
    EXPECT_EQ(form->Table().TablePath(), guessed);
    EXPECT_EQ(form->Table().Page(), ui::CodePage::Dos866);  // UTF-8 goes into the page the grid drew
    EXPECT_EQ(Cell(1, 1), "\x88\xa2\xa0\xad\xae\xa2");
    EXPECT_EQ(save(dir.Path(name) + "_again.csv"), csv);

    CreateFromCsv(out, dir.Path(name) + "_templated.dbf", table);
    EXPECT_EQ(Records(dir.Path(name) + "_templated.dbf"), Records(table));
    EXPECT_EQ(dialogs.messages.size(), 4u);
    EXPECT_EQ(dialogs.messages[1], "Таблица создана из CSV, записей: 3.\r\n" + guessed);
  }
  EXPECT_TRUE(exits.empty());
}

TEST_F(CsvCommandsTest, TheCsvsOwnCodePageIsKeptWhetherToldOrChosen) {
  // "Иванов" in 866 as the bytes of the CSV: told from its letters, or chosen
  // as 866 in the dialog; chosen as 1251 it reads as other letters.
  testsupport::WriteFile(dir.Path("dos.csv"), "NAME\n\x88\xa2\xa0\xad\xae\xa2\n");
  struct Case { int filterIndex; ui::CodePage page; };
  for (const Case& c : {Case{1, ui::CodePage::Dos866}, Case{4, ui::CodePage::Dos866}, Case{3, ui::CodePage::Windows1251}}) {
    const std::string table = dir.Path("dos" + std::to_string(c.filterIndex) + ".dbf");
    CreateFromCsv(dir.Path("dos.csv"), table, "", c.filterIndex);
    EXPECT_EQ(form->Table().Page(), c.page) << c.filterIndex;
    EXPECT_EQ(Records(table), " \x88\xa2\xa0\xad\xae\xa2  \x1a");  // C(8): room for longer names
  }
}

TEST_F(CsvCommandsTest, ValuesThatDoNotFitLeaveNoTable) {
  const std::string table = WriteTable();
  OpenFromMenu(table);
  testsupport::WriteFile(dir.Path("in.csv"), std::string("NAME,N\r\n") + std::string(300, 'x') + ",1\r\n");
  CreateFromCsv(dir.Path("in.csv"), dir.Path("wide.dbf"));
  EXPECT_EQ(dialogs.messages.back(), "Таблица не создана: значения не помещаются в поля.\r\nСтрока 2, столбец 1 (NAME): "
                                     "текст длиннее поля: \"" + std::string(300, 'x') + "\" в поле C(254.0)");
  EXPECT_EQ(dir.FileCount(), 2u);  // the table and the CSV file only
  EXPECT_EQ(form->Table().TablePath(), table);
}

}  // namespace
