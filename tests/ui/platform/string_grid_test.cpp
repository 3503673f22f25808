#include "string_grid.h"

#include "byte_arena_store.h"
#include "grid_model.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using ui::GridOption;
using ui::StringGrid;

namespace {

// A 3 x 3 grid with one fixed row and column, as the record grid is set up.
class StringGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.SetRow(0, {"\xb9", "NAME", "SUM"});
    grid.SetRow(1, {"      1", "\x8f\xe0\xa8\xa2\xa5\xe2", "12.50"});
    grid.SetRow(2, {"      2 Delete", "abc"});
    grid.resize(400, 200);
    grid.show();
  }

  QString Shown(int row, int col) const {
    if (row == 0) return grid.model()->headerData(col - 1, Qt::Horizontal).toString();
    if (col == 0) return grid.model()->headerData(row - 1, Qt::Vertical).toString();
    return grid.model()->index(row - 1, col - 1).data().toString();
  }

  StringGrid grid;
};

}  // namespace

TEST_F(StringGridTest, FixedRowAndColumnAreHeadersTheRestAreCellsDrawnInTheCodePage) {
  EXPECT_EQ(grid.model()->rowCount(), 2);
  EXPECT_EQ(grid.model()->columnCount(), 2);
  EXPECT_EQ(Shown(0, 1), QStringLiteral("NAME"));
  EXPECT_EQ(Shown(2, 0), QStringLiteral("      2 Delete"));
  EXPECT_EQ(Shown(2, 1), QStringLiteral("abc"));
  // The code page changes only the drawing.
  EXPECT_EQ(Shown(0, 0).size(), 1);
  grid.SetCodePage(ui::CodePage::Dos866);
  EXPECT_EQ(Shown(1, 1), QString::fromUtf8("Привет"));
  grid.SetCodePage(ui::CodePage::Windows1251);
  EXPECT_EQ(Shown(1, 1), QString::fromUtf8("ЏаЁўҐв"));
  EXPECT_EQ(grid.Cell(1, 1), "\x8f\xe0\xa8\xa2\xa5\xe2");
  EXPECT_TRUE(grid.horizontalHeader()->isVisible());
  grid.SetFixedRows(0);
  EXPECT_FALSE(grid.horizontalHeader()->isVisible());
  EXPECT_EQ(grid.model()->rowCount(), 3);
  EXPECT_EQ(grid.model()->index(0, 0).data().toString(), QStringLiteral("NAME"));
}

// Typed text is stored in the code page drawn (1251 for the system's own); text
// equal to the cell's, or with a character the page lacks, stores nothing.
TEST_F(StringGridTest, TypedTextIsStoredInTheDrawnCodePageAndOnlyWhenItChanged) {
  const QModelIndex cell = grid.model()->index(0, 1);
  EXPECT_FALSE(grid.model()->setData(cell, QString::fromUtf8("Да"), Qt::EditRole));
  std::vector<std::string> edited;
  grid.onSetEditText = [&](int row, int col, const std::string& bytes) {
    edited.push_back(std::to_string(row) + "," + std::to_string(col) + ":" + bytes);
  };
  QString refused;
  grid.onTextRefused = [&](const QString& character) { refused = character; };
  grid.SetOptions(GridOption::Editing | GridOption::AlwaysShowEditor);
  const std::pair<ui::CodePage, const char*> cases[] = {
      {ui::CodePage::Windows1251, "\xc4\xe0"}, {ui::CodePage::SystemDefault, "\xc4\xe0"},
      {ui::CodePage::Dos866, "\x84\xa0"}};
  for (const auto& [page, bytes] : cases) {
    grid.SetCell(1, 2, "");
    edited.clear();
    grid.SetCodePage(page);
    EXPECT_TRUE(grid.model()->setData(cell, QString::fromUtf8("Да"), Qt::EditRole));
    EXPECT_EQ(grid.Cell(1, 2), bytes);
    EXPECT_EQ(edited, std::vector<std::string>({std::string("1,2:") + bytes}));
  }
  edited.clear();
  EXPECT_TRUE(grid.model()->setData(cell, QString::fromUtf8("Да"), Qt::EditRole));
  EXPECT_FALSE(grid.model()->setData(cell, QString::fromUtf8("Да €"), Qt::EditRole));
  EXPECT_EQ(refused, QString::fromUtf8("€"));
  EXPECT_EQ(grid.Cell(1, 2), "\x84\xa0");
  EXPECT_TRUE(edited.empty());
}

// The owner's hooks swallow keys, in the grid and its editor, and refuse moves.
TEST_F(StringGridTest, KeyPressCanSwallowKeysAndSelectCellCanRefuseAMove) {
  std::vector<int> keys;
  grid.onKeyPress = [&](int& key) {
    keys.push_back(key);
    if (key == 13 || key == 'x') key = 0;
  };
  grid.SetSelectedCell(1, 1);
  grid.setFocus();
  QTest::keyClick(&grid, Qt::Key_Return);
  EXPECT_EQ(keys, std::vector<int>({13}));

  grid.SetOptions(GridOption::Editing | GridOption::AlwaysShowEditor);
  auto* editor = grid.findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "yx");
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(keys, std::vector<int>({13, 'y', 'x', 13}));
  // The swallowed Enter left the editor open; switching editing off commits it.
  grid.SetOptions({});
  EXPECT_EQ(grid.Cell(1, 1), "y");

  grid.onSelectCell = [](int row, int, bool& canSelect) { canSelect = row != 2; };
  grid.SetSelectedCell(2, 2);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Col(), 1);
  grid.SetSelectedCell(1, 2);
  EXPECT_EQ(grid.Col(), 2);
}

TEST_F(StringGridTest, SizesAndWidthsSurviveRefills) {
  grid.SetDefaultColWidth(80);
  grid.SetColWidth(2, 150);
  grid.SetColWidth(0, 120);
  {
    StringGrid::BatchUpdate batch(grid);
    grid.SetRowCount(1001);
    for (int r = 1; r <= 1000; ++r) grid.SetRow(r, {"n", std::to_string(r)});
  }
  EXPECT_EQ(grid.model()->rowCount(), 1000);
  EXPECT_EQ(Shown(1000, 1), QStringLiteral("1000"));
  EXPECT_EQ(grid.ColWidth(1), 80);
  EXPECT_EQ(grid.horizontalHeader()->sectionSize(1), 150);
  EXPECT_EQ(grid.verticalHeader()->width(), 120);
  grid.InsertRow(1);
  EXPECT_EQ(grid.RowCount(), 1002);
  EXPECT_EQ(grid.Cell(2, 1), "1");
  grid.Clear();
  EXPECT_EQ(grid.RowCount(), 0);
  EXPECT_EQ(grid.ColCount(), 0);
}

// A selected block copies as drawn (here in 866), tab-separated by rows.
TEST_F(StringGridTest, ABlockIsCopiedAsTheTextDrawn) {
  grid.SetCodePage(ui::CodePage::Dos866);
  grid.SetOptions(GridOption::RangeSelect);
  const struct { const char* name; std::function<void()> select; const char* copied; } cases[] = {
      {"Shift+arrows",
       [&] {
         grid.SetSelectedCell(1, 1);
         QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
         QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
       },
       "Привет\t12.50\nabc\t\n"},
      {"a heading",
       [&] {
         QHeaderView& heading = *grid.horizontalHeader();
         QTest::mouseClick(heading.viewport(), Qt::LeftButton, {}, QPoint(heading.sectionViewportPosition(1) + 5, 5));
       },
       "12.50\n\n"},
      {"Ctrl+A", [&] { QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier); }, "Привет\t12.50\nabc\t\n"},
      {"the current cell", [&] { grid.SetSelectedCell(2, 1); }, "abc\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.select();
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.copied);
  }
}

// Rows shown in another order, some left out: the grid still speaks of its own rows.
TEST_F(StringGridTest, AViewOrderMovesRowsOnScreenOnly) {
  grid.SetRowCount(5);
  for (int row = 3; row < 5; ++row) grid.SetCell(row, 1, std::to_string(row));
  grid.SetViewRows({4, 2, 1});  // row 3 left out
  EXPECT_EQ(grid.ShownRowCount(), 3);
  EXPECT_EQ(Shown(1, 1), "4");
  EXPECT_EQ(Shown(2, 0), "      2 Delete");
  const std::pair<int, int> places[] = {{0, 0}, {1, 3}, {2, 2}, {3, -1}, {4, 1}};
  for (const auto& [row, view] : places) EXPECT_EQ(grid.ViewRow(row), view) << row;
  grid.SetSelectedCell(2, 1);
  EXPECT_EQ(grid.currentIndex().row(), 1);
  EXPECT_EQ(grid.Row(), 2);
  grid.SetSelectedCell(3, 1);  // not shown: the cursor stays
  EXPECT_EQ(grid.Row(), 2);
  grid.SetCell(2, 1, "x");
  EXPECT_EQ(Shown(2, 1), "x");

  grid.InsertRow(2);  // shows where row 2, now 3, shows
  std::vector<int> order;
  for (int view = 1; view <= grid.ShownRowCount(); ++view) order.push_back(grid.GridRow(view));
  EXPECT_EQ(order, std::vector<int>({5, 2, 3, 1}));
  EXPECT_EQ(grid.Row(), 2);
  grid.SetRowCount(7);  // appended rows show last
  EXPECT_EQ(grid.ShownRowCount(), 5);
  EXPECT_EQ(grid.GridRow(5), 6);
  grid.ClearViewRows();
  EXPECT_EQ(grid.ShownRowCount(), 6);
  EXPECT_EQ(grid.Row(), 2);
}

TEST_F(StringGridTest, AModelShownByReferenceStaysItsOwnersAndTheCornerTitleIsNoCell) {
  ui::ByteArenaStore owned;
  owned.Resize(2, 2);
  owned.SetCell(0, 1, "NAME");
  owned.SetCell(1, 1, "abc");
  ui::GridModel model;
  model.SetFixed(1, 1);
  model.ShowStore(owned);
  grid.ShowModel(model);
  EXPECT_EQ(&grid.Store(), &owned);
  model.SetCornerTitle(QString::fromUtf8("№ п/п"));
  EXPECT_EQ(grid.Cell(0, 0), "\xb9 \xef/\xef");
  grid.SetCodePage(ui::CodePage::Dos866);
  EXPECT_EQ(grid.Cell(0, 0), "\xfc \xaf/\xaf");
  EXPECT_EQ(owned.Cell(0, 0), "");
  // An edit through one view is one of the model, which every view shows.
  StringGrid second;
  second.ShowModel(model);
  second.SetOptions(GridOption::Editing);
  std::vector<std::string> edited;
  grid.onSetEditText = [&](int, int, const std::string& bytes) { edited.push_back(bytes); };
  ASSERT_TRUE(second.model()->setData(second.model()->index(0, 0), QStringLiteral("xyz"), Qt::EditRole));
  EXPECT_EQ(owned.Cell(1, 1), "xyz");
  EXPECT_EQ(grid.model()->index(0, 0).data().toString(), QStringLiteral("xyz"));
  EXPECT_EQ(edited, std::vector<std::string>({"xyz"}));

  // The owner takes its store back: the model shows an empty one of its own.
  model.SetStore(nullptr);
  EXPECT_EQ(grid.RowCount(), 0);
  EXPECT_EQ(grid.Cell(0, 0), "");
  EXPECT_EQ(owned.Cell(1, 1), "xyz");
  // Let go of the model, the grid's own cells' edits reach its hooks alone.
  grid.ShowOwnModel();
  second.ShowOwnModel();
  EXPECT_EQ(grid.Cell(1, 1), "\x8f\xe0\xa8\xa2\xa5\xe2");
  grid.SetOptions(GridOption::Editing);
  ASSERT_TRUE(grid.model()->setData(grid.model()->index(0, 1), QStringLiteral("1"), Qt::EditRole));
  EXPECT_EQ(edited, std::vector<std::string>({"xyz", "1"}));
}
