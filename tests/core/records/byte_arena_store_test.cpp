#include "byte_arena_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ui::ByteArenaStore;

TEST(ByteArenaStore, CellsKeepTheirBytesThroughCopiesFromTheStoreInsertsAndResizes) {
  ByteArenaStore s;
  s.Resize(3, 4);
  const std::string longText(300, 'z');
  s.SetCell(1, 2, std::string("a\0\xff", 3));
  s.SetCell(0, 1, longText);
  EXPECT_EQ(s.Cell(1, 2), std::string_view("a\0\xff", 3));
  EXPECT_EQ(s.Cell(0, 1), longText);
  for (const auto& [row, col] : {std::pair{1, 1}, {1, 3}, {0, 0}, {7, 7}}) EXPECT_EQ(s.Cell(row, col), "") << row << col;
  EXPECT_THROW(s.SetCell(3, 0, "x"), std::out_of_range);

  // A row copied onto another, and a cell onto its own row, through views into the store.
  const std::string_view cells[] = {s.Cell(0, 1), s.Cell(0, 0)};
  s.SetRow(2, cells, 2);
  s.SetCell(0, 0, s.Cell(0, 1));
  EXPECT_EQ(s.Cell(2, 0), longText);
  EXPECT_EQ(s.Cell(2, 1), "");
  EXPECT_EQ(s.Cell(0, 0), longText);

  s.InsertRow(1);
  s.InsertRow(4);
  std::vector<std::string_view> column;
  for (int r = 0; r < s.RowCount(); ++r) column.push_back(s.Cell(r, 0));
  EXPECT_EQ(column, (std::vector<std::string_view>{longText, "", "", longText, ""}));

  // Shrinking forgets the cells cut off.
  s.SetCell(4, 3, "corner");
  s.Resize(4, 3);
  s.Resize(5, 4);
  EXPECT_EQ(s.Cell(4, 3), "");
  EXPECT_EQ(s.Cell(3, 0), longText);
  s.Resize(0, 0);
  EXPECT_EQ(s.RowCount(), 0);
  EXPECT_EQ(s.FootprintBytes(), 0u);
}

TEST(ByteArenaStore, RewritingRowsManyTimesKeepsContentAndBoundsMemory) {
  ByteArenaStore s;
  const int rows = 20000;
  s.Resize(rows, 3);
  const std::string text(60, 'x');
  for (int pass = 0; pass < 10; ++pass) {
    for (int r = 0; r < rows; ++r) s.SetCell(r, 1, text + std::to_string(pass));
  }
  for (int r = 0; r < rows; r += 997) EXPECT_EQ(s.Cell(r, 1), text + "9");
  // Live rows take about 1.4 MB; dead copies must have been reclaimed.
  EXPECT_LT(s.FootprintBytes(), 16u << 20);
}
