#include "cell_check.h"
#include "char_table.h"
#include "raw_doc.h"

#include <gtest/gtest.h>

using rawview::CharTable;

TEST(CharTable, LoadedRowsHoldPaddedCodesThenEmptyCells) {
  const auto doc = DocOf(std::string("\x07" "A!", 3) + std::string(14, 'x'));
  ASSERT_EQ(doc.cells.RowCount(), 2);
  EXPECT_EQ(doc.cells.Text(1), "  7");
  EXPECT_EQ(doc.cells.Text(17), "120");
  EXPECT_TRUE(doc.cells.IsEmpty(18));
  // Codes 32 and below show as character 127, above 32 as themselves.
  EXPECT_EQ(doc.cells.RowChars(1), "\x7f" "A!" + std::string(13, 'x'));
  EXPECT_EQ(doc.cells.RowChars(2), "x");
}

TEST(CharTable, KeepsAnyTypedTextAndReadsItsValue) {
  CharTable t;
  t.SetRowCount(1);
  int64_t at = 0;
  for (const char* text : {"1a", " 07 ", "$41", "256", "9"}) t.SetText(++at, text);
  EXPECT_EQ(t.Text(1), "1a");
  EXPECT_EQ(t.Text(2), " 07 ");
  EXPECT_EQ(t.Value(4), 256);
  EXPECT_EQ(t.Text(5), "9");
  // Header decoding reads at most 12 characters of a cell.
  t.SetText(6, "0000000000007x");
  EXPECT_EQ(t.Value(6, 12), 0);
  // A text cell overwritten with a code is a code again.
  t.SetCode(1, 200);
  EXPECT_EQ(t.Text(1), "200");
}

TEST(CharTable, MovesTrimmedTextAndForgetsDroppedRows) {
  CharTable t;
  t.SetRowCount(2);
  t.SetCode(1, 7, true);
  t.SetText(2, " x1 ");
  t.MoveTrimmed(1, 17);
  t.MoveTrimmed(2, 18);
  t.MoveTrimmed(3, 19);
  EXPECT_EQ(t.Text(17), "7");
  EXPECT_EQ(t.Text(18), "x1");
  EXPECT_TRUE(t.IsEmpty(19));
  t.SetRowCount(1);
  t.SetRowCount(2);
  EXPECT_TRUE(t.IsEmpty(18));
}

// One-digit places and typed digits: the raw view's key and typing tests.
TEST(CellCheck, ReportsMalformedAndOutOfRangeCodes) {
  EXPECT_EQ(rawview::CheckCodeText("", 3, 5), "");
  EXPECT_EQ(rawview::CheckCodeText("256", 12, 17),
            " Ряд          12\r\n Колонка  16\r\nОшибка - значение числа не в диапазоне \r\nот 0 до 255 ");
  EXPECT_EQ(rawview::TextAfterKey(" 25 ", 8), "25");
}
