#include "caption_1251.h"
#include "dbf2_lib.h"
#include "office_test_support.h"
#include "page_text.h"
#include "report_checks.h"

#include <gtest/gtest.h>

using officetest::LineList;
using testsupport::FieldSpec;

namespace {

const std::vector<FieldSpec> kFields{{"NAME", 'C', 8}, {"SUM", 'N', 8, 2}};
const office::TextPage& kPage1251 = office::TextPage::Of(ui::CodePage::Windows1251);

class TextReportTest : public ::testing::Test {
 protected:
  void TearDown() override { db.DbfCloseAll(); }

  office::ReportLayout Layout(int64_t first, int64_t later, const std::string& sum, int nameWidth = 6,
                              int sumWidth = 8) {
    office::ReportLayout layout;
    layout.columns = office::PlaceColumns({{office::To1251("№ п/п"), 5}, {"NAME", nameWidth}, {"SUM", sumWidth}});
    layout.firstSheetRows = first;
    layout.laterSheetRows = later;
    layout.sumField = sum;
    return layout;
  }

  std::vector<std::string> Report(const office::ReportLayout& layout) {
    LineList out;
    office::WriteTextReport(db, 1, layout, out);
    return out.lines;
  }

  testsupport::TempDir dir;
  dbf::Dbf2_lib db;
};

const std::string kRule24(24, '-');
const std::string kHeaderRule = std::string(23, '-') + " ";
// A sum line: blanks up to the SUM column's start, then the sum as the field stores it.
std::string Sum(const std::string& field) { return std::string(14, ' ') + field; }

const std::string kNames = " " + office::To1251("№ п/п") + " NAME   SUM";

// Sheets carry headers and page sums, the report ends with the total; names
// and texts are cut where the next column starts; a sum prints only where it
// fits its field and its field is a column of the report.
TEST_F(TextReportTest, SheetsCarryHeadersAndSumsThatFitAndTextsAreCutAtTheirColumn) {
  struct Case {
    const char* what;
    std::vector<std::vector<std::string>> rows;
    office::ReportLayout layout;
    std::vector<std::string> tail;  // the report's last lines
    std::vector<FieldSpec> fields = kFields;
    std::vector<int> deleted = {};
  };
  office::ReportLayout longCaption = Layout(45, 56, "", 3, 8);
  longCaption.columns[0].name = "LONGCAPTION";
  office::ReportLayout hashSum = Layout(45, 56, "SUM#");  // the engine reads "SUM#" as SUM0
  hashSum.columns[2].name = "SUM#";
  office::ReportLayout sumNotPrinted = Layout(1, 1, "SUM");  // every record opens a sheet, none closes one
  sumNotPrinted.columns.pop_back();
  const std::string rule(15, '-');
  const std::string head = std::string(14, '-') + " ";
  const std::string names = " " + office::To1251("№ п/п") + " NAME";
  const std::vector<Case> cases{
      // Record 2 is marked deleted and still printed; record 3's name is DOS bytes, kept as stored.
      {"sheets",
       {{"Ann", "10.00"}, {"Bob", "2.50"}, {"\x82\xa5\xe0\xa0", "1.25"}, {"Dan", "100"}, {"Eve", ".05"}},
       Layout(2, 2, "SUM"),
       {kHeaderRule, kNames, kHeaderRule, "     1 Ann    10.00", "     2 Bob    2.50", kRule24, Sum("   12.50"), "\f",
        kHeaderRule, kNames, kHeaderRule, "     3 \x82\xa5\xe0\xa0   1.25", "     4 Dan    100", kRule24,
        Sum("  101.25"), "\f", kHeaderRule, kNames, kHeaderRule, "     5 Eve    .05", kRule24, Sum("    0.05"),
        kRule24, Sum("  113.80"), "\f"},
       kFields, {2}},
      {"long texts", {{"ABCDEFGH", "12345.67"}}, longCaption,
       {" LONGCANAMESUM", std::string(20, '-') + " ", "     1 ABC 12345.67", std::string(21, '-'),
        std::string(21, '-'), " ", "\f"}},
      {"sums too wide", {{"A", "99999.99"}, {"B", "99999.99"}}, Layout(45, 56, "SUM"),
       {kRule24, Sum(""), kRule24, Sum(""), "\f"}},
      {"a sum field typed with a hash", {{"A", "1.00"}, {"B", "2.00"}}, hashSum,
       {kRule24, Sum("    3.00"), kRule24, Sum("    3.00"), "\f"}, {{"NAME", 'C', 8}, {"SUM0", 'N', 8, 2}}},
      {"a sum field outside the columns", {{"R1", "1.00"}, {"R2", "2.00"}}, sumNotPrinted,
       {head, names, head, "     1 R1", head, names, head, "     2 R2", rule, rule, " ", "\f"}},
      {"an empty table", {}, Layout(45, 56, "SUM"), {kRule24, Sum("    0.00"), kRule24, Sum("    0.00"), "\f"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    db.DbfOpen(1, officetest::WriteTable(dir, "t.dbf", c.fields, c.rows, c.deleted));
    const auto lines = Report(c.layout);
    ASSERT_GE(lines.size(), c.tail.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<ptrdiff_t>(c.tail.size()), lines.end()), c.tail);
    db.DbfCloseAll();
  }
}

TEST(SheetPlaceTest, OneRecordSheetsOnlyOpen) {
  using office::SheetPlace;
  // Records on sheets of 1 and then 3 records; far into a long table, without walking sheet by sheet.
  const std::tuple<int64_t, int64_t, int64_t, SheetPlace> cases[] = {
      {1, 1, 3, SheetPlace::First}, {2, 1, 3, SheetPlace::First}, {3, 1, 3, SheetPlace::Inside},
      {4, 1, 3, SheetPlace::Last},  {5, 1, 3, SheetPlace::First}, {45 + 56 * 100000 + 1, 45, 56, SheetPlace::First},
      {45 + 56 * 100000, 45, 56, SheetPlace::Last}};
  for (const auto& [n, first, later, place] : cases) EXPECT_EQ(office::PlaceOnSheet(n, first, later), place) << n;
  for (int n = 3; n < 10; ++n) EXPECT_EQ(office::PlaceOnSheet(n, 2, 1), SheetPlace::First) << n;
}

TEST_F(TextReportTest, NamesThatAreNotFieldsAreNamedBeforeTheReport) {
  db.DbfOpen(1, officetest::WriteTable(dir, "t.dbf", kFields, {{"R1", "1.00"}}));
  auto layout = Layout(45, 56, "MISSING");
  EXPECT_EQ(office::CheckReportFields(db, 1, layout, kPage1251), "Error Name Field!\r\nMISSING");
  layout.sumField = "SUMMARIZED!";  // the engine reads only ten characters... and finds no such field
  EXPECT_NE(office::CheckReportFields(db, 1, layout, kPage1251), std::nullopt);
  // SUM's sums are 8 characters from its column's start: 247 + 8 = 255 fits, 256 does not.
  for (const int nameWidth : {239, 240}) {
    layout = Layout(45, 56, "SUM", nameWidth, 1);
    ASSERT_EQ(layout.columns[2].start, nameWidth + 8);
    EXPECT_EQ(office::CheckReportFields(db, 1, layout, kPage1251),
              nameWidth == 239 ? std::nullopt
                               : std::optional<std::string>("Сумма поля SUM не помещается в строку отчета из 255 знаков."));
  }
}

}  // namespace
