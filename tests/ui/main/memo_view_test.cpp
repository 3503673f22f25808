#include "main_window_fixture.h"

#include "memo_bytes.h"
#include "process_limits.h"

#include <QAbstractItemModel>
#include <QTest>

using namespace testsupport;

namespace {

const std::vector<FieldSpec> kFields{{"NAME", 'C', 4}, {"NOTE", 'M', 10}};
// "Привет" and "мир" in code page 866, one memo over two lines.
const std::string kHello = "\x8f\xe0\xa8\xa2\xa5\xe2\r\n\xac\xa8\xe0";

class MemoViewTest : public MainWindowTest {
 protected:
  // A dBASE III table in code page 866: the first record's memo is kHello,
  // the second has none, the third's block lies past the memo file's end.
  std::string WriteMemoTable(const std::string& memoName, const std::string& memoBytes) {
    WriteFile(dir.Path(memoName), memoBytes);
    TableLayout layout{kFields, {Record(kFields, {"A", BlockDigits(1)}), Record(kFields, {"B", ""}),
                                 Record(kFields, {"C", BlockDigits(99)})}};
    layout.version = 0x83;
    layout.languageDriver = 0x65;
    WriteFile(dir.Path("memo.dbf"), TableBytes(layout));
    return dir.Path("memo.dbf");
  }

  QVariant Shown(int row, int col, int role = Qt::DisplayRole) const {
    const QAbstractItemModel* model = form->StringGrid1->model();
    return model->data(model->index(row - 1, col - 1), role);
  }

  const std::string kMemo = MemoFileBytes(MemoKind::kDbase3, {kHello}).bytes;
};

TEST_F(MemoViewTest, MemoCellsShowTheirFirstLineOrAMarkedEmptyCellWithANote) {
  const struct {
    const char* memoName;
    std::string memoBytes;
    const char* firstCell;
    const char* note;  // in the status strip once the third row is drawn
  } cases[] = {{"memo.dbt", kMemo, "Привет …", "Строка 3, поле NOTE: блок 99 за концом мемо-файла"},
               {"other.dbt", kMemo, "", "не найден"},
               {"memo.dbt", std::string(20, '\0'), "", "повреждён"}};
  for (const auto& c : cases) {
    OpenFromMenu(WriteMemoTable(c.memoName, c.memoBytes));
    EXPECT_EQ(Cell(1, 2), BlockDigits(1));
    EXPECT_EQ(Shown(1, 2).toString(), QString::fromUtf8(c.firstCell));
    EXPECT_EQ(Shown(3, 2).toString(), QString());
    EXPECT_TRUE(form->StringGrid1->CellLocked(1, 2) && !form->StringGrid1->CellLocked(1, 1));
    EXPECT_NE(Shown(2, 2, Qt::BackgroundRole), Shown(3, 2, Qt::BackgroundRole)) << c.note;  // the fault's tint
    EXPECT_NE(form->MemoNote->text().indexOf(QString::fromUtf8(c.note)), -1) << c.note;
    std::filesystem::remove(dir.Path(c.memoName));
  }
}

TEST_F(MemoViewTest, MemoCellsAreViewedNotTypedAndSaveKeepsBlocksAndMemoFile) {
  const std::string path = WriteMemoTable("memo.dbt", kMemo);
  OpenFromMenu(path);
  QTest::mouseDClick(form->StringGrid1->viewport(), Qt::LeftButton, {},
                     form->StringGrid1->visualRect(form->StringGrid1->model()->index(0, 1)).center());
  EXPECT_EQ(dialogs.shownTexts, std::vector<std::string>({"Мемо-поле NOTE, строка 1|Привет\r\nмир"}));
  form->N5->trigger();
  form->StringGrid1->SetSelectedCell(1, 2);
  QTest::keyClicks(form->StringGrid1, "x");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].rfind("Мемо-поле NOTE только для просмотра", 0), 0u);
  form->StringGrid1->SetCell(2, 1, "Z");
  const std::string table = ReadFile(path);
  {
    FileSizeLimit limit(table.size() / 2);
    form->Save1->trigger();
  }
  EXPECT_EQ(ReadFile(path), table);
  form->Save1->trigger();
  EXPECT_EQ(dialogs.messages.back(), "Сохранение выполнено!");
  std::string saved = table;
  saved[table.size() - 30] = 'Z';  // the second record's NAME, before the third record and the end mark
  EXPECT_EQ(ReadFile(path), saved);
  EXPECT_EQ(ReadFile(dir.Path("memo.dbt")), kMemo);
}

}  // namespace
