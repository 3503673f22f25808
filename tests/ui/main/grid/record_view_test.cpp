#include "main_window_fixture.h"

#include "code_page.h"
#include "filter_line.h"
#include "find_dialog.h"
#include "memo_bytes.h"

#include <QHeaderView>
#include <QTest>

using namespace testsupport;

namespace {

// NAME in code page 866, SUM, DAY, OK and a memo; record 2 marked deleted.
const std::vector<FieldSpec> kFields{{"NAME", 'C', 8}, {"SUM", 'N', 8, 2}, {"DAY", 'D', 8}, {"OK", 'L', 1},
                                     {"NOTE", 'M', 10}};
constexpr int kName = 1, kSum = 2, kDay = 3, kOk = 4, kNote = 5;

std::string Dos(const char* utf8) { return ui::EncodeTyped(QString::fromUtf8(utf8), ui::CodePage::Dos866); }

TableLayout Layout() {
  TableLayout layout{kFields,
                     {Record(kFields, {Dos("Яков"), "   12.50", "20240102", "T", "         1"}),
                      Record(kFields, {Dos("борис"), "   -3.00", "19991231", "F", ""}, true),
                      Record(kFields, {Dos("Ёлка"), "", "", "?", ""}),
                      Record(kFields, {Dos("Анна"), "    2.00", "20240101", "Y", ""}),
                      Record(kFields, {Dos("Ежик"), "  100.00", "20231130", "N", ""})}};
  layout.version = 0x83;
  layout.languageDriver = 0x65;  // 866
  return layout;
}

class RecordViewTest : public MainWindowTest {
 protected:
  std::string OpenTable() {
    WriteFile(dir.Path("view.dbt"), MemoFileBytes(MemoKind::kDbase3, {"memo"}));
    const std::string path = dir.Path("view.dbf");
    WriteFile(path, TableBytes(Layout()));
    OpenFromMenu(path);
    return path;
  }

  ui::StringGrid& Grid() const { return *form->Controls().StringGrid1; }

  void ClickHeading(int col) {
    QHeaderView* heading = Grid().horizontalHeader();
    const int section = col - 1;
    const QPoint at(heading->sectionViewportPosition(section) + heading->sectionSize(section) / 2,
                    heading->height() / 2);
    QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, at);
  }

  void Filter(const std::vector<std::pair<int, const char*>>& texts) {
    for (int col = 0; col < Grid().ColCount(); ++col) form->Controls().GridFilter->SetText(col, {});
    for (const auto& [col, text] : texts) form->Controls().GridFilter->SetText(col, QString::fromUtf8(text));
    form->Controls().GridFilter->onApply();
  }

  // The records the view shows, top to bottom, by the number column 0 shows.
  std::vector<int> Shown() const {
    std::vector<int> records;
    for (int row = 0; row < Grid().model()->rowCount(); ++row) {
      records.push_back(Grid().model()->headerData(row, Qt::Vertical).toString().split(' ', Qt::SkipEmptyParts)[0].toInt());
      EXPECT_EQ(Grid().GridRow(row + 1), records.back());
    }
    return records;
  }

  // Selects the cell at view row `viewRow` (from 1) as a click does.
  void ClickRow(int viewRow, int col) {
    const QPoint at = Grid().visualRect(Grid().model()->index(viewRow - 1, col - 1)).center();
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, at);
  }
};

// Neither sorting nor filtering writes anything.
TEST_F(RecordViewTest, HeadingClicksSortByTheFieldsTypeThenBackThenFileOrderAndTheFilterLineShowsMatchingRows) {
  const std::string path = OpenTable();
  const std::string before = ReadFile(path);
  const auto stamp = std::filesystem::last_write_time(path);
  // Text by the letters (Ё with Е, case not minded; byte order would differ),
  // numbers with the empty first and negatives below, dates, false before true.
  const std::tuple<int, std::vector<int>, std::vector<int>> cases[] = {
      {kName, {4, 2, 5, 3, 1}, {1, 3, 5, 2, 4}},
      {kSum, {3, 2, 4, 1, 5}, {5, 1, 4, 2, 3}},
      {kDay, {3, 2, 5, 4, 1}, {1, 4, 5, 2, 3}},
      {kOk, {3, 2, 5, 1, 4}, {1, 4, 2, 5, 3}}};
  for (const auto& [col, ascending, descending] : cases) {
    ClickHeading(col);
    EXPECT_EQ(Shown(), ascending) << col;
    ClickHeading(col);
    EXPECT_EQ(Shown(), descending) << col;
    ClickHeading(col);
    EXPECT_EQ(Shown(), std::vector<int>({1, 2, 3, 4, 5})) << col;
    EXPECT_FALSE(Grid().ViewOrdered());
  }
  ClickHeading(kNote);  // a memo column has no order
  EXPECT_FALSE(Grid().ViewOrdered());
  ClickHeading(kName);
  EXPECT_EQ(Grid().model()->headerData(1, Qt::Vertical).toString(), "      2 Delete");  // its own number and mark
  EXPECT_TRUE(dialogs.messages.empty());
  form->ReloadClick();  // a table read again shows in its own order
  EXPECT_FALSE(Grid().ViewOrdered());

  // The filter line shows the matching rows and counts them.
  const std::tuple<std::vector<std::pair<int, const char*>>, std::vector<int>> filters[] = {
      {{{kName, "ан"}}, {4}},
      {{{kName, "ё"}}, {3}},
      {{{kSum, ">2"}}, {1, 5}},
      {{{kSum, "< 2"}}, {2}},  // the empty one has no number
      {{{kSum, "=12,5"}}, {1}},
      {{{kSum, "00"}}, {2, 4, 5}},
      {{{kDay, "2024"}}, {1, 4}},
      {{{kOk, "y"}}, {4}},
      {{{0, "delete"}}, {2}},
      {{{kName, "а"}, {kSum, ">0"}}, {4}},
      {{{kName, "нет"}}, {}}};
  for (const auto& [texts, records] : filters) {
    Filter(texts);
    EXPECT_EQ(Shown(), records) << texts[0].second;
    EXPECT_EQ(form->Controls().ViewCount->text(), QStringLiteral("Отбор: %1 из 5").arg(records.size()));
  }
  // Sorted within the filter, and both off again.
  Filter({{kSum, ">0"}});
  ClickHeading(kSum);
  ClickHeading(kSum);
  EXPECT_EQ(Shown(), std::vector<int>({5, 1, 4}));
  Filter({});
  EXPECT_EQ(Shown(), std::vector<int>({5, 1, 4, 2, 3}));
  EXPECT_EQ(form->Controls().ViewCount->text(), QString());
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(std::filesystem::last_write_time(path), stamp);
}

TEST_F(RecordViewTest, SaveAfterEditingInASortedViewWritesEachRecordInFileOrder) {
  const std::string path = OpenTable();
  ClickHeading(kName);
  form->Controls().N5->trigger();  // editing on
  // Typed text as the cell editor hands it to the view row's cell.
  QAbstractItemModel& cells = *Grid().model();
  EXPECT_TRUE(cells.setData(cells.index(0, kName - 1), "Alla"));  // Анна, record 4
  EXPECT_TRUE(cells.setData(cells.index(4, kSum - 1), "7"));      // Яков, record 1
  EXPECT_EQ(Shown(), std::vector<int>({4, 2, 5, 3, 1}));  // edits leave the rows where they are
  form->Controls().Save1->trigger();
  TableLayout expected = Layout();
  expected.records[3] = Record(kFields, {"Alla", "    2.00", "20240101", "Y", ""});
  expected.records[0] = Record(kFields, {Dos("Яков"), "    7.00", "20240102", "T", "         1"});
  EXPECT_EQ(ReadFile(path), TableBytes(expected));
}

TEST_F(RecordViewTest, MarksDeletionsFindAndGoToActOnTheRecordShownInAFilteredView) {
  const std::string path = OpenTable();
  Filter({{kSum, ">2"}});  // records 1 and 5
  ClickRow(2, kName);
  EXPECT_EQ(Grid().Row(), 5);
  form->Controls().ToolButton6->trigger();  // mark
  EXPECT_EQ(Cell(5, 0), "5 Delete");
  EXPECT_EQ(Grid().model()->headerData(1, Qt::Vertical).toString(), "5 Delete");
  EXPECT_EQ(Cell(1, 0), "      1");

  // Go to a record the filter hides: it says so and stays.
  dialogs.textAnswers.push_back("4");
  form->Controls().GoTo1->trigger();
  EXPECT_EQ(Grid().Row(), 5);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  dialogs.messages.clear();

  // Find goes through the rows shown, in their order: not into hidden ones,
  // and in a sorted view from Яков on to Анна, борис, Ежик.
  form->Controls().FindDialog->Edit1->setText(QString::fromUtf8("бор"));
  form->Controls().FindNext1->trigger();
  EXPECT_EQ(Grid().Row(), 5);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  Filter({});
  ClickHeading(kName);
  ClickRow(Grid().ViewRow(1), kName);
  form->Controls().FindDialog->Edit1->setText(QString::fromUtf8("к"));
  form->Controls().FindNext1->trigger();
  EXPECT_EQ(Grid().Row(), 5);

  // "Удалить запись" on the row shown deletes that record (and the purge
  // the one flagged in the file).
  ClickRow(Grid().ViewRow(1), kName);
  form->Controls().Deleterecord1->trigger();
  TableLayout expected = Layout();
  expected.records.erase(expected.records.begin(), expected.records.begin() + 2);
  EXPECT_EQ(ReadFile(path), TableBytes(expected));
}

}  // namespace
