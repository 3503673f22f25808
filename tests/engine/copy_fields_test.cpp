// Carrying a record between tables of different layout by field name.
#include "engine_fixture.h"

TEST_F(EngineTest, CopyFieldsConvertsSharedFieldsForTheTarget) {
  std::vector<FieldSpec> from = {{"NAME", 'C', 10}, {"SUM", 'N', 8, 2},  {"DAY", 'D', 8},
                                 {"OK", 'L', 1},    {"MEMO", 'M', 4},    {"CODE", 'N', 4},
                                 {"TEXT", 'C', 5},  {"BIG", 'N', 8, 2},  {"Case", 'C', 2}};
  std::vector<FieldSpec> to = {{"BIG", 'N', 4, 2}, {"CODE", 'C', 6}, {"TEXT", 'N', 7},
                               {"MEMO", 'M', 4},   {"SUM", 'N', 9, 3}, {"NAME", 'C', 3},
                               {"DAY", 'D', 8},    {"OK", 'L', 1},     {"CASE", 'C', 2},
                               {"ONLY", 'C', 3}};
  db.DbfOpen(1, Write("a.dbf", TableLayout{from, {Record(from, {"Jonathan", "  -12.50", "20261206", "T",
                                                              "memo", "  42", "7", "12345.67", "xy"})}}));
  // A slot that is not open is told, and nothing is copied.
  db.DbfCopyFields(1, 2);
  db.DbfCopyFields(2, 1);
  EXPECT_EQ(messages, (std::vector<std::string>{"File not Open!", "File not Open!"}));
  EXPECT_EQ(db.DbfGetStr(1, "NAME"), "Jonathan");
  messages.clear();
  db.DbfOpen(2, Write("b.dbf", TableLayout{to, {}}));
  db.DbfBlank(2);
  db.DbfCopyFields(1, 2);
  // BIG does not fit: blank; numbers go into text fields as their text, text into numbers left-aligned.
  EXPECT_EQ(Buffer(2), std::string("    ") + "  42  " + "7      " + "    " + "  -12.500" +
                               "Jon" + "20261206" + "T" + "  " + "   ");
  EXPECT_TRUE(messages.empty());

  // Names padded with blanks or ending in '#' are names like any other; other fill bytes, another name.
  from = {{"NAME      ", 'C', 3}, {"NO#", 'C', 2}, {"ABCDEFGHI#", 'C', 1}, {std::string("X\0y", 3), 'C', 1}};
  to = {{"X", 'C', 1}, {"ABCDEFGHI#", 'C', 1}, {"NO#", 'C', 2}, {"NAME      ", 'C', 3}};
  db.DbfOpen(1, Write("a.dbf", TableLayout{from, {Record(from, {"abc", "12", "z", "q"})}}));
  db.DbfOpen(2, Write("b.dbf", TableLayout{to, {}}));
  db.DbfReopen(1);  // names as stored, fill bytes included
  db.DbfBlank(2);
  db.DbfCopyFields(1, 2);
  EXPECT_EQ(Buffer(2), std::string(" ") + "z" + "12" + "abc");
  EXPECT_TRUE(reportedCodes.empty());
}
