// A table's memo file goes with every copy the program makes of it, and the
// index files other programs keep are named before the table first changes.
// A copy named without an extension gets ".dbf" and opens as a table.
#include "main_window_fixture.h"

#include "dbf_memo.h"
#include "memo_bytes.h"
#include "table_records.h"



using namespace testsupport;

namespace {

const std::vector<FieldSpec> kNameAndMemo{{"NAME", 'C', 4}, {"NOTE", 'M', 10}};

class CompanionFilesTest : public MainWindowTest {
 protected:
  // A dBASE III table whose records C, A, B point at memo blocks 2, 1 and none.
  std::string WriteMemoTable(const std::string& memoName) {
    WriteFile(dir.Path(memoName), kMemo);
    TableLayout layout{kNameAndMemo, {Record(kNameAndMemo, {"C", "         2"}), Record(kNameAndMemo, {"A", "         1"}),
                                 Record(kNameAndMemo, {"B", ""})}};
    layout.version = 0x83;
    WriteFile(dir.Path("memo.dbf"), TableBytes(layout));
    return dir.Path("memo.dbf");
  }

  const std::string kMemo = MemoFileBytes(MemoKind::kDbase3, {"first", "second"});
};

struct CopyCase {
  const char* command;
  std::function<void()> run;
  const char* copy;        // the table written, beside the memo file
  std::vector<int> order;  // the copy's records: the source's, by number from 0
};

TEST_F(CompanionFilesTest, EveryCopyOfATableGetsItsMemoFileWithTheBlocksUnchanged) {
  const CopyCase cases[] = {
      {"Save as",
       [this] {
         dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("saved")});
         form->Controls().Saveas1->trigger();
       },
       "saved", {0, 1, 2}},
      {"sorted copy",
       [this] { SortedCopy(dir.Path("sorted")); },
       "sorted", {1, 2, 0}},
      {"range into a new table",
       [this] { FillRange("range", "2", "3"), form->Controls().Button2->click(); },
       "range", {1, 2}},
      {"structure copy",
       [this] {
         dialogs.WillOpen(dir.Path("empty"));
         form->Controls().CopyStructurefile1->trigger();
       },
       "empty", {}},
  };
  for (const char* memoName : {"memo.dbt", "memo.DBT"}) {
    for (const CopyCase& c : cases) {
      SCOPED_TRACE(std::string(c.command) + " " + memoName);
      StartAfresh();
      OpenFromMenu(WriteMemoTable(memoName));
      const std::vector<std::string> source = RecordsOf(dir.Path("memo.dbf"));
      dialogs.messages.clear();
      c.run();
      EXPECT_EQ(dialogs.messages.size(), 1u);  // done
      const std::string copy = dir.Path(std::string(c.copy) + ".dbf");
      const std::string memoCopy = dbf::FindMemoFile(copy);
      EXPECT_EQ(std::filesystem::path(memoCopy).extension(), std::filesystem::path(memoName).extension());
      EXPECT_EQ(ReadFile(memoCopy), kMemo);
      std::vector<std::string> records;  // their memo fields' block numbers as they were
      for (const int i : c.order) records.push_back(source[i]);
      EXPECT_EQ(RecordsOf(copy), records);
      EXPECT_EQ(ReadFile(dir.Path(memoName)), kMemo);
      EXPECT_FALSE(std::filesystem::exists(dir.Path(c.copy)));
      OpenFromMenu(copy);
      EXPECT_EQ(dialogs.messages.size(), 1u);
      EXPECT_EQ(form->Table().TablePath(), copy);
    }
  }
}

struct IndexCase {
  const char* what;
  std::vector<std::string> files;  // index files beside the table
  char indexFlag;                  // header byte 28
  std::vector<std::string> named;  // the index files the question names
};

// The first change of a table with an index asks, naming the index; "Нет"
// leaves the table and the edits on screen, "Да" saves and is not asked
// again; no index file is written.
TEST_F(CompanionFilesTest, AnIndexedTableIsNamedBeforeItsFirstChange) {
  const IndexCase cases[] = {
      {"index files of its name", {"people.cdx", "people.NTX"}, 0, {"people.cdx", "people.NTX"}},
      {"a production index", {}, 1, {"people.mdx"}},
  };
  for (const IndexCase& c : cases) {
    SCOPED_TRACE(c.what);
    StartAfresh();
    dialogs.questions.clear();
    const std::string path = WritePeople();
    std::string bytes = ReadFile(path);
    bytes[28] = c.indexFlag;
    WriteFile(path, bytes);
    for (const std::string& index : c.files) WriteFile(dir.Path(index), "kept by another program");
    std::string named;
    for (const std::string& index : c.named) named += "\r\n" + dir.Path(index);
    OpenFromMenu(path);
    form->Controls().StringGrid1->SetCell(1, 1, "Anna");

    dialogs.askAnswers.push_back(false);
    form->Controls().Save1->trigger();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "Индексные файлы|У файла " + path + " есть индекс:" + named +
                                        "\r\nПосле изменения таблицы индекс нужно перестроить программой, которая его "
                                        "ведёт; эта программа индекс не изменяет.\r\nИзменить таблицу?");
    EXPECT_EQ(ReadFile(path), bytes);
    EXPECT_EQ(Cell(1, 1), "Anna");

    dialogs.askAnswers.push_back(true);
    form->Controls().Save1->trigger();
    form->Controls().StringGrid1->SetCell(1, 1, "Anne");
    form->Controls().Save1->trigger();
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(ReadFile(path).substr(bytes.size() - 3 * 20, 4), "Anne");  // the first record's name
    for (const std::string& index : c.files) EXPECT_EQ(ReadFile(dir.Path(index)), "kept by another program");
  }
}

}  // namespace
