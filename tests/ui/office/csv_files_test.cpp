// The CSV format, field values and types, without windows.
#include "csv_page_text.h"
#include "csv_table.h"
#include "csv_text.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using csv::FieldSpec;

const csv::ByteText kWin = office::PageText(ui::CodePage::Windows1251);

std::vector<std::vector<std::string>> ReadAll(std::string_view text, char separator = ',') {
  csv::Reader reader(text, separator);
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> fields;
  while (reader.Next(fields)) rows.push_back(fields);
  return rows;
}

TEST(CsvText, FieldsComeBackAsWrittenAndOtherWritersLineEndsRead) {
  const std::vector<std::string> tricky{"plain", "a,b", "say \"hi\"", "two\r\nlines", "", " blanks ", "\"", "x\ny"};
  std::string line;
  for (size_t i = 0; i < tricky.size(); ++i) {
    if (i) line += ',';
    csv::AppendField(line, tricky[i]);
  }
  EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",, blanks ,\"\"\"\",\"x\ny\"");
  EXPECT_EQ(ReadAll(line + "\r\n" + line), (std::vector<std::vector<std::string>>{tricky, tricky}));
  struct Case {
    std::string text;
    std::vector<std::vector<std::string>> rows;
  };
  for (const Case& c : std::vector<Case>{
           {"\xEF\xBB\xBF" "a,b\n1,2\n\n", {{"a", "b"}, {"1", "2"}}},
           {"a\r\rb,\r", {{"a"}, {"b", ""}}},
           {"a\"b,\"c\"d", {{"a\"b", "cd"}}},
       }) {
    EXPECT_EQ(ReadAll(c.text), c.rows) << c.text;
  }
  // Semicolons separate fields where the first record holds more of them.
  for (const Case& c : std::vector<Case>{
           {"\xEF\xBB\xBF" "a;b,c;d\n1,5;\"x;y\"\n", {{"a", "b,c", "d"}, {"1,5", "x;y"}}},
           {"\n\"a;b\";c\n1;2\n", {{"a;b", "c"}, {"1", "2"}}},
           {"\"a;b\",c\n1;2\n", {{"a;b", "c"}, {"1;2"}}},
       }) {
    EXPECT_EQ(ReadAll(c.text, csv::SeparatorOf(c.text)), c.rows) << c.text;
  }
  csv::Reader open("a\nb,\"never closed\n");
  std::vector<std::string> fields;
  EXPECT_TRUE(open.Next(fields));
  EXPECT_THROW(open.Next(fields), csv::ParseError);
}

TEST(CsvFields, StoredValuesGoOutTrimmedAndDatedAndComeBackStoredOrAreRefused) {
  struct Case {
    FieldSpec field;
    std::string stored;  // the table's bytes
    std::string out;     // the CSV's text, in the table's bytes
    csv::Flavour flavour = csv::Flavour::Plain;
  };
  // For spreadsheets in a Russian locale: a decimal comma and DD.MM.YYYY.
  const csv::Flavour ru = csv::Flavour::Russian;
  const std::vector<Case> cases{
      {{"", 'C', 6}, "  ab  ", "  ab"},         {{"", 'N', 8, 2}, "   12.50", "12.50"},
      {{"", 'N', 4}, "  -3", "-3"},             {{"", 'D', 8}, "20240229", "2024-02-29"},
      {{"", 'L', 1}, "T", "T"},                 {{"", 'L', 1}, "?", "?"},
      {{"", 'N', 5, 1}, "     ", ""},           {{"", 'C', 3}, "\xc0\xe1\xe2", "\xc0\xe1\xe2"},
      {{"", 'N', 8, 2}, "-1234.50", "-1234,50", ru}, {{"", 'N', 4}, "  12", "12", ru},
      {{"", 'D', 8}, "20240201", "01.02.2024", ru},  {{"", 'D', 8}, "20231301", "20231301", ru},
  };
  std::string scratch;
  for (const Case& c : cases) {
    EXPECT_EQ(csv::OutValue(c.field.type, c.stored, scratch, c.flavour), c.out) << c.stored;
    std::string stored;
    EXPECT_EQ(csv::AppendStored(stored, c.field, kWin.Decoded(c.out), kWin), std::nullopt) << c.out;
    EXPECT_EQ(stored, c.stored);
  }
  // Dates the calendar lacks go out as stored, and so does what is no number.
  for (const char* wrong : {"20230229", "20231301", "2023 1 1"}) EXPECT_EQ(csv::OutValue('D', wrong, scratch), wrong);
  EXPECT_EQ(csv::OutValue('N', "1.2.3", scratch, ru), "1.2.3");
  std::string stored;
  EXPECT_EQ(csv::AppendStored(stored, {"", 'N', 9, 2}, "-1 234,5", kWin), std::nullopt);
  EXPECT_EQ(stored, " -1234.50");
  // Values that do not fit the field are refused and store nothing.
  for (const auto& [field, value] : std::vector<std::pair<FieldSpec, std::string>>{
           {{"", 'C', 2}, "abc"},       {{"", 'C', 9}, "日本"},           {{"", 'N', 5, 1}, "1.25"},
           {{"", 'N', 4, 0}, "12345"},  {{"", 'N', 8, 2}, "1,5.0"},       {{"", 'D', 8}, "2023-02-29"},
           {{"", 'N', 9, 0}, "12 34"},  {{"", 'D', 8}, "30.02.2024"},     {{"", 'D', 8}, "2023-1-1"},
           {{"", 'L', 1}, "maybe"}}) {
    std::string refused;
    EXPECT_NE(csv::AppendStored(refused, field, value, kWin), std::nullopt) << value;
    EXPECT_EQ(refused, "");
  }
}

// Two more whole digits for numbers, a quarter more (at least two) for text.
TEST(CsvFields, EachColumnGetsAFieldAllItsValuesFitWithRoom) {
  struct Case {
    std::vector<std::string> values;
    std::optional<FieldSpec> field;
  };
  const std::vector<Case> cases{
      {{"12", "-3.5", ""}, FieldSpec{"", 'N', 6, 1}},     {{"007", "1"}, FieldSpec{"", 'N', 5, 0}},
      {{"1234,56", "-1 234,5"}, FieldSpec{"", 'N', 10, 2}},
      {{"1\xC2\xA0" "234\xC2\xA0" "567", "1\xE2\x80\xAF" "000,5"}, FieldSpec{"", 'N', 11, 1}},
      {{"1,5", "2.5"}, FieldSpec{"", 'C', 5, 0}},          // both decimal marks: text
      {{std::string(19, '9')}, FieldSpec{"", 'N', 20, 0}}, {{std::string(21, '9')}, FieldSpec{"", 'C', 26, 0}},
      {{"2024-01-31", "", "01.02.2024"}, FieldSpec{"", 'D', 8, 0}},
      {{"да", "F", "false"}, FieldSpec{"", 'L', 1, 0}},
      {{"12", "a"}, FieldSpec{"", 'C', 4, 0}},             {{"", ""}, FieldSpec{"", 'C', 3, 0}},
      {{"2024-02-30"}, FieldSpec{"", 'C', 12, 0}},          {{"31.04.2024"}, FieldSpec{"", 'C', 12, 0}},
      {{"1 23", "12 345"}, FieldSpec{"", 'C', 8, 0}},       {{std::string(250, 'x')}, FieldSpec{"", 'C', 254, 0}},
      {{std::string(255, 'x')}, std::nullopt},
  };
  for (const Case& c : cases) {
    csv::ColumnGuess guess;
    for (const std::string& v : c.values) guess.Add(v, kWin.EncodedSize(v));
    EXPECT_EQ(guess.Field(), c.field) << c.values[0];
  }
}

TEST(CsvFields, NamesAreCutUpperCasedAndMadeUnique) {
  EXPECT_EQ(csv::FieldNames({"name", "Name", "very long name", "very long name!", "", "сумма", " a-b "}, kWin),
            (std::vector<std::string>{"NAME", "NAME_2", "VERY_LONG_", "VERY_LON_2", "FIELD", "\xd1\xd3\xcc\xcc\xc0",
                                      "A_B"}));
  EXPECT_EQ(csv::FieldNames({"абвгдеё"}, csv::ByteText::Utf8()), std::vector<std::string>{"АБВГД"});  // 10 bytes
  EXPECT_EQ(csv::FieldNames({"", "field_2", "", "", "field_3"}, kWin),
            (std::vector<std::string>{"FIELD", "FIELD_2", "FIELD_3", "FIELD_4", "FIELD_3_2"}));
  // A header of many empty titles: one name each, the numbers going on past the name's width.
  const std::vector<std::string> many = csv::FieldNames(std::vector<std::string>(32000, ""), kWin);
  EXPECT_EQ(std::set<std::string>(many.begin(), many.end()).size(), many.size());
  EXPECT_EQ(many[9998], "FIELD_9999");
  EXPECT_EQ(many.back(), "FIEL_32000");
}

TEST(CsvTable, ProblemsNameTheirRowAndColumnOrTheRecordLengthLimitAndLeaveNoRecords) {
  const std::vector<FieldSpec> fields{{"NAME", 'C', 3}, {"SUM", 'N', 5, 2}};
  const csv::ReadOutcome read =
      csv::ReadCsv("*,name,sum,other\n,ab,1.5\n*,abcd,x\nz,,,\n", kWin, &fields);
  EXPECT_EQ(read.problems, (std::vector<std::string>{
                               "Строка 1, столбец 4 (other): в образце нет такого поля",
                               "Строка 3, столбец 2 (name): текст длиннее поля: \"abcd\" в поле C(3.0)",
                               "Строка 3, столбец 3 (sum): не число: \"x\" в поле N(5.2)",
                               "Строка 4, столбец 1 (*): отметка удаления бывает только \"*\""}));
  EXPECT_TRUE(read.plan.records.empty());
  const csv::ReadOutcome good = csv::ReadCsv("*,sum,name\n,1.5,ab\n*,,c\n", kWin, &fields);
  EXPECT_TRUE(good.problems.empty());
  EXPECT_EQ(good.plan.records, " ab  1.50*c       ");
  EXPECT_EQ(good.plan.count, 2);
  // A record past the header's sixteen-bit length is refused naming the limit.
  const struct { int columns; const char* problem; } cases[] = {
      {258, nullptr},  // 1 + 258 * 254 = 65,533
      {300, "Длина записи 76201 байт больше предельной для таблицы DBF (65535 байт)"},
  };
  for (const auto& c : cases) {
    std::string header, row;
    for (int i = 0; i < c.columns; ++i) {
      header += (i ? ",c" : "c") + std::to_string(i);
      row += (i ? "," : "") + std::string(254, 'x');
    }
    const csv::ReadOutcome read = csv::ReadCsv(header + "\n" + row + "\n", kWin, nullptr);
    EXPECT_EQ(read.problems, c.problem ? std::vector<std::string>{c.problem} : std::vector<std::string>{})
        << c.columns;
  }
}

}  // namespace
