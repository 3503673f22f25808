#include "raw_doc.h"
#include "table_edits.h"

#include <gtest/gtest.h>

using namespace rawview;

namespace {

// Inserts as the insert window does: size first, then shift and fill.
void Insert(RawDocument& doc, int64_t pos, int32_t count, const std::string& code) {
  const int32_t newLength = SetNewSizeTable(doc, count);
  SdvigTableToEnd(doc, pos, count, code, newLength);
}

std::vector<uint8_t> Vec(const std::string& s) { return {s.begin(), s.end()}; }

}  // namespace

TEST(InsertChars, BeforeTheFirstCharacterShiftsEverything) {
  auto doc = DocOf(Letters(20));
  Insert(doc, 1, 3, "48");
  EXPECT_EQ(doc.FileLength, 23);
  EXPECT_EQ(doc.cells.RowCount(), 2);
  EXPECT_EQ(BytesOf(doc), "000" + Letters(20));
  EXPECT_EQ(doc.cells.RowChars(1), "000" + Letters(13));
  EXPECT_EQ(doc.cells.RowChars(2), Letters(20).substr(13));
  EXPECT_EQ(doc.cells.Text(4), "65");  // moved cells lose their blanks
}

TEST(InsertChars, AtRowEndsAndInsideKeepsTheRest) {
  auto doc = DocOf(Letters(40));
  Insert(doc, 33, 2, "1");  // after character 16 of row 2
  EXPECT_EQ(BytesOf(doc), Letters(32) + "\1\1" + Letters(40).substr(32));
  Insert(doc, 16, 1, "255");
  EXPECT_EQ(BytesOf(doc), Letters(15) + "\xff" + Letters(32).substr(15) + "\1\1" + Letters(40).substr(32));
  EXPECT_EQ(doc.cells.RowCount(), 3);
}

TEST(InsertChars, BeyondTheEndAppends) {
  auto doc = DocOf(Letters(20));
  Insert(doc, 100, 14, "32");
  EXPECT_EQ(BytesOf(doc), Letters(20) + std::string(14, ' '));
  EXPECT_EQ(doc.cells.RowCount(), 3);
  // Insertion right after the last character appends too.
  Insert(doc, 35, 1, "33");
  EXPECT_EQ(BytesOf(doc).back(), '!');
}

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

TEST(PasteAfter, AtStartEndAndAfterAPosition) {
  auto start = DocOf(Letters(14));
  PasteAfter(start, Vec("xyz"), 0);
  EXPECT_EQ(BytesOf(start), "xyz" + Letters(14));
  EXPECT_EQ(start.cells.RowCount(), 2);
  EXPECT_EQ(start.cells.RowChars(2), "N");

  auto end = DocOf(Letters(14));
  PasteAfter(end, Vec("xyz"), 14);
  EXPECT_EQ(BytesOf(end), Letters(14) + "xyz");

  auto after = DocOf(Letters(20));
  PasteAfter(after, Vec("xyz"), 16);
  EXPECT_EQ(BytesOf(after), Letters(16) + "xyz" + Letters(20).substr(16));
  EXPECT_EQ(after.cells.Text(17), "120");
}
