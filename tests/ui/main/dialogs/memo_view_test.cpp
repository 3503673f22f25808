#include "main_window_fixture.h"

#include "memo_bytes.h"
#include "memo_cells.h"

#include <QTest>

using namespace testsupport;

namespace {

class MemoViewTest : public MainWindowTest {
 protected:
  // A dBASE III table in code page 866: the first record's memo "Привет\r\nмир",
  // the second none, the third's block past the memo file's end.
  std::string WriteMemoTable(const std::string& memoName, const std::string& memoBytes) {
    const std::vector<FieldSpec> fields{{"NAME", 'C', 4}, {"NOTE", 'M', 10}};
    WriteFile(dir.Path(memoName), memoBytes);
    TableLayout layout{fields, {Record(fields, {"A", "         1"}), Record(fields, {"B", ""}),
                                Record(fields, {"C", "        99"})}};
    layout.version = 0x83;
    layout.languageDriver = 0x65;
    WriteFile(dir.Path("memo.dbf"), TableBytes(layout));
    return dir.Path("memo.dbf");
  }

  QVariant Shown(int row, int role = Qt::DisplayRole) const {
    return form->Controls().StringGrid1->model()->data(form->Controls().StringGrid1->model()->index(row - 1, 1), role);
  }

  const std::string kMemo = MemoFileBytes(MemoKind::kDbase3, {"\x8f\xe0\xa8\xa2\xa5\xe2\r\n\xac\xa8\xe0"});
};

TEST_F(MemoViewTest, MemoCellsShowTheirFirstLineOrAMarkedEmptyCellWithANote) {
  // The memo file's name and bytes, the first memo cell's text, the note once row 3 is drawn.
  const std::tuple<const char*, std::string, const char*, const char*> cases[] = {
      {"memo.DBT", kMemo, "Привет …", "Строка 3, поле NOTE: блок 99 за концом мемо-файла"},
      {"other.dbt", kMemo, "", "не найден"},
      {"memo.dbt", std::string(20, '\0'), "", "повреждён"}};
  for (const auto& [memoName, memoBytes, firstCell, note] : cases) {
    OpenFromMenu(WriteMemoTable(memoName, memoBytes));
    EXPECT_EQ(Cell(1, 2), "         1");
    EXPECT_EQ(Shown(1).toString(), QString::fromUtf8(firstCell));
    EXPECT_NE(Shown(2, Qt::BackgroundRole), Shown(3, Qt::BackgroundRole)) << note;  // the fault's tint, no text
    EXPECT_EQ(Shown(3).toString(), QString());
    EXPECT_NE(form->Controls().MemoNote->text().indexOf(QString::fromUtf8(note)), -1) << note;
    std::filesystem::remove(dir.Path(memoName));
  }
}

TEST_F(MemoViewTest, MemoCellsAreViewedNotTypedAndSaveKeepsBlocksAndMemoFile) {
  const std::string path = WriteMemoTable("memo.dbt", kMemo);
  OpenFromMenu(path);
  const QPoint cell = form->Controls().StringGrid1->visualRect(form->Controls().StringGrid1->model()->index(0, 1)).center();
  QTest::mouseClick(form->Controls().StringGrid1->viewport(), Qt::LeftButton, {}, cell);
  QTest::mouseDClick(form->Controls().StringGrid1->viewport(), Qt::LeftButton, {}, cell);
  EXPECT_EQ(dialogs.shownTexts, std::vector<std::string>({"Мемо-поле NOTE, строка 1|Привет\r\nмир"}));
  form->Controls().N5->trigger();
  form->Controls().StringGrid1->SetSelectedCell(1, 2);
  QTest::keyClicks(form->Controls().StringGrid1, "x");
  EXPECT_EQ(dialogs.messages.at(0).rfind("Мемо-поле NOTE только для просмотра", 0), 0u);
  form->Controls().StringGrid1->SetCell(2, 1, "Z");
  std::string table = ReadFile(path);
  form->Controls().Save1->trigger();
  EXPECT_EQ(dialogs.messages.size(), 2u);  // the save's "done"
  table[table.size() - 30] = 'Z';  // the second record's NAME, before the third record and the end mark
  EXPECT_EQ(ReadFile(path), table);
  EXPECT_EQ(ReadFile(dir.Path("memo.dbt")), kMemo);
}

TEST_F(MemoViewTest, TheTextWindowSaysWhenAMemoWasCutAtItsCap) {
  // A memo of one long line, at the cap and past it: only the longer one is cut, and the window says so.
  const char kNote[] = "[Текст мемо-поля длиннее 4 МБ и показан не весь.]";
  for (const size_t size : {MemoCells::kWholeMemoBytes, MemoCells::kWholeMemoBytes + 1}) {
    const std::string line(size, 'a');
    OpenFromMenu(WriteMemoTable("memo.dbt", MemoFileBytes(MemoKind::kDbase3, {line})));
    dialogs.shownTexts.clear();
    form->Controls().StringGrid1->onDoubleClick(1, 2);
    ASSERT_EQ(dialogs.shownTexts.size(), 1u);
    const std::string& shown = dialogs.shownTexts[0];
    const bool cut = size > MemoCells::kWholeMemoBytes;
    EXPECT_EQ(shown.find(line.substr(0, MemoCells::kWholeMemoBytes)), shown.find('|') + 1) << size;
    EXPECT_EQ(shown.ends_with(kNote), cut) << size;
  }
}

}  // namespace
