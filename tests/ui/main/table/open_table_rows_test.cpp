// The open table without the main window: it owns the rows and their model,
// which the grid and any other view show by reference. What its signals tell
// is checked by the window's tests, through the strip and the count shown.
#include "open_table.h"

#include "record_store.h"
#include "string_grid.h"
#include "table_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::FieldSpec;

TEST(OpenTableRowsTest, TheGridShowsTheTablesOwnRowsUntilTheTableLetsThemGo) {
  testsupport::TempDir dir;
  const std::vector<FieldSpec> fields{{"NAME", 'C', 8}};
  const std::string path = dir.Path("people.dbf");
  testsupport::WriteFile(path, testsupport::TableBytes({fields, {testsupport::Record(fields, {"Ann"}),
                                                                  testsupport::Record(fields, {"Bob"}, true)}}));
  ui::StringGrid grid;
  {
    OpenTable table(grid, nullptr);
    EXPECT_EQ(grid.model(), &table.Model());
    ui::StringGrid second;
    second.ShowModel(table.Model());
    table.PointAt(path);
    ASSERT_TRUE(table.Load());
    ASSERT_NE(table.Rows(), nullptr);
    EXPECT_EQ(&grid.Store(), table.Rows());
    // Column 0's heading is the grid's: the rows hold the field names only.
    EXPECT_EQ(grid.Cell(0, 0), "\xb9 \xef/\xef");
    EXPECT_EQ(table.Rows()->Cell(0, 0), "");
    EXPECT_FALSE(table.Rows()->HasEdits());

    // The field names are headings, not cells; a typed cell is an edit of
    // the table's rows, which every view shows.
    grid.SetCell(0, 1, "NAMES");
    EXPECT_EQ(second.model()->headerData(0, Qt::Horizontal).toString(), "NAME");
    EXPECT_FALSE(table.Rows()->HasEdits());
    grid.SetCell(1, 1, "Anna");
    EXPECT_TRUE(table.Rows()->HasEdits());
    EXPECT_EQ(second.Cell(1, 1), "Anna");
    table.Refill();
    for (ui::StringGrid* view : {&grid, &second}) {
      EXPECT_EQ(&view->Store(), table.Rows());
      EXPECT_EQ(view->Cell(1, 1), "Ann");
      EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), "NAME");
    }

    table.Forget();
    EXPECT_EQ(table.Rows(), nullptr);
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(second.RowCount(), 0);
    EXPECT_TRUE(table.TablePath().empty());

    table.PointAt(path);
    ASSERT_TRUE(table.Load());
  }
  // The table went with its rows: the grid shows an empty store of its own.
  EXPECT_EQ(grid.RowCount(), 0);
  EXPECT_EQ(grid.Cell(0, 0), "");
}
