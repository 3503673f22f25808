#include "raw_doc.h"
#include "table_edits.h"

#include <gtest/gtest.h>

using namespace rawview;

// Inside the table the tail moves down; through the end the table is cut.
TEST(DeleteChars, RemovesTheRangeAndLeavesTheRestInWholeRows) {
  const struct { size_t length; int64_t first, last, rows; } cases[] = {
      {20, 5, 8, 1}, {40, 10, 30, 2}, {40, 17, 1000, 1}, {40, 20, 40, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    auto doc = DocOf(Letters(c.length));
    DeleteChars(doc, c.first, c.last);
    const std::string all = Letters(c.length);
    const std::string kept = all.substr(0, c.first - 1) + all.substr(std::min<size_t>(c.last, c.length));
    EXPECT_EQ(BytesOf(doc), kept);
    EXPECT_EQ(doc.FileLength, static_cast<int32_t>(kept.size()));
    EXPECT_EQ(doc.cells.RowCount(), c.rows);
    EXPECT_EQ(doc.cells.RowChars(c.rows), kept.substr(16 * (c.rows - 1)));
    if (kept.size() % 16 != 0) {
      EXPECT_TRUE(doc.cells.IsEmpty(static_cast<int64_t>(kept.size()) + 1));
    }
  }
}

TEST(CopyChars, ReadsARangeAcrossRows) {
  auto doc = DocOf(Letters(40));
  doc.cells.SetText(5, "");
  doc.cells.SetText(6, "300");
  std::string error;
  const auto bytes = CopyChars(doc, 3, 18, &error);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 16u);
  EXPECT_EQ((*bytes)[0], 'C');
  EXPECT_EQ((*bytes)[2], 0);
  EXPECT_EQ((*bytes)[3], 300 & 0xFF);
  doc.cells.SetText(7, "x");
  EXPECT_FALSE(CopyChars(doc, 3, 18, &error));
  EXPECT_EQ(error, "'x' is not a valid integer value");
}
