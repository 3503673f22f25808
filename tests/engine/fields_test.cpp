// Field values as text and numbers.
#include "dbf_texts.h"
#include "engine_fixture.h"
#include "dbf_number.h"

TEST_F(EngineTest, TextKeepsLeadingBlanksAndDropsTrailingControlBytes) {
  std::vector<FieldSpec> f = {{"A", 'C', 10}, {"B", 'C', 10}, {"C", 'D', 8}};
  db.DbfOpen(1, Write("t.dbf", TableLayout{f, {Record(f, {"  abc", std::string("xy\0\t ", 5), "20261206"})}}));
  EXPECT_EQ(db.DbfGetStr(1, "A"), "  abc");
  EXPECT_EQ(db.DbfGetStr(1, "B"), "xy");
  EXPECT_EQ(db.DbfGetStr(1, "C"), "20261206");
  db.DbfPutStr(1, "ABCDEFGHIJKL", "A");
  EXPECT_EQ(Buffer(1, 1, 10), "ABCDEFGHIJ");
  db.DbfPutStr(1, "", "B");
  EXPECT_EQ(Buffer(1, 11, 10), std::string(10, ' '));
  db.DbfPutStr(1, "7", "C");
  EXPECT_EQ(Buffer(1, 21, 8), "7       ");
}

TEST_F(EngineTest, LookupIsExactAndHashAppendsTheNumber) {
  std::vector<FieldSpec> f = {{"SUM1", 'N', 5}, {"Name", 'C', 4}};
  const std::string path = Write("t.dbf", TableLayout{f, {Record(f, {"   12", "x"})}});
  db.DbfOpen(1, path);
  EXPECT_EQ(db.DbfGetNum(1, "SUM#", 1), 12);
  EXPECT_EQ(db.Current().length, 5);
  EXPECT_EQ(Abort([&] { db.DbfGetStr(1, "NAME"); }).code, 2);
  db.DbfOpen(1, path);
  EXPECT_EQ(Abort([&] { db.DbfGetStr(1, "Name "); }).message, " Ошибка  2 - неверно описание поля Name  файла DBF ");
  db.DbfOpen(1, path);
  EXPECT_EQ(Abort([&] { db.DbfGetNum(1, "SUM#", 2); }).message, " Ошибка  2 - неверно описание поля SUM2 файла DBF ");
}

// The field's name is filled in as given, even when it looks like a place for another value.
TEST_F(EngineTest, NumberedErrorsAreWordedByTheInstalledTranslation) {
  dbf::SetTextTranslator([](const char* context, const char* source) {
    const std::string wanted = " Ошибка  2 - неверно описание поля %2 файла DBF ";
    return std::string(context) == "Dbf2_lib" && source == wanted ? "Error 2: no field %2 (slot %1)" : source;
  });
  std::vector<FieldSpec> f = {{"NAME", 'C', 4}};
  db.DbfOpen(1, Write("t.dbf", TableLayout{f, {Record(f, {"x"})}}));
  const std::string message = Abort([&] { db.DbfGetStr(1, "%1%3"); }).message;
  dbf::SetTextTranslator({});
  EXPECT_EQ(message, "Error 2: no field %1%3 (slot   1)");
}

// Either letter N or n is numeric, and only they; a number too wide leaves the field blank.
TEST_F(EngineTest, NumbersGoIntoFieldsOfEitherNumericLetterOnly) {
  std::vector<FieldSpec> f = {{"A", 'n', 6, 1}, {"B", 'C', 4}};
  const std::string path = Write("t.dbf", TableLayout{f, {Record(f, {"  2,5", "x"})}});
  db.DbfOpen(1, path);
  EXPECT_EQ(db.DbfGetNum(1, "A"), 2.5);
  db.DbfPutNum(1, -3.25, "A");
  EXPECT_EQ(Buffer(1, 1, 6), "  -3.3");
  // Copied between tables it goes as a number, re-formatted for the target.
  std::vector<FieldSpec> target = {{"A", 'N', 8, 3}};
  db.DbfOpen(2, Write("u.dbf", TableLayout{target, {}}));
  db.DbfBlank(2);
  db.DbfCopyFields(1, 2);
  EXPECT_EQ(Buffer(2, 1, 8), "  -3.300");
  db.DbfPutNum(1, 123456, "A");
  EXPECT_EQ(Buffer(1, 1, 6), "      ");

  EXPECT_EQ(Abort([&] { db.DbfGetNum(1, "B"); }).code, 3);
  db.DbfOpen(1, path);
  EXPECT_EQ(Abort([&] { db.DbfPutNum(1, 1, "B"); }).code, 3);
}

TEST_F(EngineTest, NumbersAreReadLeniently) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"1 234", 1234}, {"1,5", 1.5},  {"12.3-", 0}, {"  -  ", 0},  {"1E5", 0},
      {"     ", 0},    {"-0.25", -0.25}, {"+7", 7}, {"1,2,3", 0}, {"1.2.3", 0},
      {".5", 0.5},     {"5.", 5},     {std::string("4\0" "2", 3), 42}, {std::string(300, '0') + "7", 7}};
  for (const auto& [text, value] : cases) {
    EXPECT_DOUBLE_EQ(dbf::ParseFieldNumber(text), value) << '"' << text << '"';
  }
}

TEST_F(EngineTest, HalfwayValuesRoundAwayFromZeroOnTheirDecimalForm) {
  const struct { double value; int length, decimals; const char* text; } cases[] = {
      {2.675, 6, 2, "  2.68"}, {-2.5, 3, 0, " -3"}, {0.125, 5, 2, " 0.13"}, {9.995, 5, 2, "10.00"}, {99.5, 2, 0, ""},
      {-0.001, 5, 2, " 0.00"}, {1e300, 20, 0, ""}, {1.0 / 0.0, 20, 0, ""}, {123456789012.0, 15, 2, "123456789012.00"}};
  for (const auto& c : cases) EXPECT_EQ(dbf::FormatFieldNumber(c.value, c.length, c.decimals), c.text) << c.value;
}

TEST_F(EngineTest, FieldsReachingOutsideTheRecordAreClipped) {
  // Junk offsets: B at offset 7, length 6, in a record of 10 bytes; C wholly outside.
  std::vector<FieldSpec> f = {{"A", 'C', 4}, {"B", 'N', 6, 0, 7}, {"C", 'C', 3, 0, 5000}};
  TableLayout layout{f, {" abcdefg12"}};
  layout.recordLengthOverride = 10;
  db.DbfOpen(1, Write("t.dbf", layout));
  EXPECT_EQ(db.DbfGetStr(1, "B"), "g12");
  EXPECT_EQ(db.DbfGetNum(1, "B"), 0);  // 'g' ends the number
  EXPECT_EQ(db.DbfGetStr(1, "C"), "");
  db.DbfPutStr(1, "xyz", "C");
  db.DbfPutNum(1, 5, "B");  // "     5": only "   " lands inside
  EXPECT_EQ(Buffer(1), "abcdef   ");
  db.DbfPutStr(1, "PQRSTU", "B");
  EXPECT_EQ(Buffer(1), "abcdefPQR");
  EXPECT_EQ(db.DbfBuffer(1).size(), 10u);
}
