#include "raw_doc.h"
#include "table_edits.h"

#include <gtest/gtest.h>

using namespace rawview;

TEST(DeleteChars, InsideMovesTheTailDown) {
  auto doc = DocOf(Letters(20));
  DeleteChars(doc, 5, 8);
  EXPECT_EQ(doc.FileLength, 16);
  EXPECT_EQ(doc.cells.RowCount(), 1);
  EXPECT_EQ(BytesOf(doc), Letters(4) + Letters(20).substr(8));

  auto across = DocOf(Letters(40));
  DeleteChars(across, 10, 30);
  EXPECT_EQ(BytesOf(across), Letters(9) + Letters(40).substr(30));
  EXPECT_EQ(across.cells.RowCount(), 2);
  EXPECT_TRUE(across.cells.IsEmpty(20));
  EXPECT_EQ(across.cells.RowChars(2), Letters(40).substr(37));
}

TEST(DeleteChars, ThroughTheEndCutsTheTable) {
  auto doc = DocOf(Letters(40));
  DeleteChars(doc, 17, 1000);
  EXPECT_EQ(doc.FileLength, 16);
  EXPECT_EQ(doc.cells.RowCount(), 1);

  auto mid = DocOf(Letters(40));
  DeleteChars(mid, 20, 40);
  EXPECT_EQ(BytesOf(mid), Letters(19));
  EXPECT_EQ(mid.cells.RowCount(), 2);
  EXPECT_TRUE(mid.cells.IsEmpty(20));
  EXPECT_EQ(mid.cells.RowChars(2), Letters(19).substr(16));
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
