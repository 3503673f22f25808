#include "caption_1251.h"
#include "dbf2_lib.h"
#include "office_test_support.h"
#include "page_text.h"
#include "report_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

using officetest::LineList;
using testsupport::FieldSpec;

namespace {

const std::vector<FieldSpec> kFields{{"NAME", 'C', 8}, {"SUM", 'N', 8, 2}};
const office::TextPage& kPage1251 = office::TextPage::Of(ui::CodePage::Windows1251);

class TextReportTest : public ::testing::Test {
 protected:
  void TearDown() override { db.DbfCloseAll(); }

  // A table of `count` records named R1, R2 ... with SUM = the record number.
  void OpenNumbered(int count) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= count; ++i) rows.push_back({"R" + std::to_string(i), std::to_string(i) + ".00"});
    Open(rows);
  }

  void Open(const std::vector<std::vector<std::string>>& rows, const std::vector<int>& deleted = {}) {
    db.DbfOpen(1, officetest::WriteTable(dir, "t.dbf", kFields, rows, deleted));
  }

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

TEST_F(TextReportTest, SheetsCarryHeadersPageSumsAndTheTotal) {
  // Record 2 is marked deleted and still printed; record 3's name is DOS bytes, kept as stored.
  Open({{"Ann", "10.00"}, {"Bob", "2.50"}, {"\x82\xa5\xe0\xa0", "1.25"}, {"Dan", "100"}, {"Eve", ".05"}},
       {2});
  const std::vector<std::string> expected{
      kHeaderRule, kNames, kHeaderRule,
      "     1 Ann    10.00",
      "     2 Bob    2.50",
      kRule24, "                 12.50", "\f",
      kHeaderRule, kNames, kHeaderRule,
      "     3 \x82\xa5\xe0\xa0   1.25",
      "     4 Dan    100",
      kRule24, "                101.25", "\f",
      kHeaderRule, kNames, kHeaderRule,
      "     5 Eve    .05",
      kRule24, "                  0.05", kRule24, "                113.80", "\f"};
  EXPECT_EQ(Report(Layout(2, 2, "SUM")), expected);
}

TEST_F(TextReportTest, LongTextsAreCutAtTheirColumn) {
  Open({{"ABCDEFGH", "12345.67"}});
  auto layout = Layout(45, 56, "", 3, 8);
  layout.columns[0].name = "LONGCAPTION";
  const auto lines = Report(layout);
  EXPECT_EQ(lines[1], " LONGCANAMESUM");  // names are cut only where the next column starts
  EXPECT_EQ(lines[3], "     1 ABC 12345.67");
}

TEST_F(TextReportTest, SumsThatDoNotFitTheFieldPrintAsBlanks) {
  Open({{"A", "99999.99"}, {"B", "99999.99"}});
  const auto lines = Report(Layout(45, 56, "SUM"));
  const std::vector<std::string> tail(lines.end() - 5, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{kRule24, std::string(14, ' '), kRule24, std::string(14, ' '), "\f"}));
}

TEST_F(TextReportTest, ASumFieldTypedWithAHashIsTheFieldTheEngineFinds) {
  // "SUM#" reads the field SUM0, for its column and for its sums alike.
  const std::vector<FieldSpec> fields{{"NAME", 'C', 8}, {"SUM0", 'N', 8, 2}};
  db.DbfOpen(1, officetest::WriteTable(dir, "n.dbf", fields, {{"A", "1.00"}, {"B", "2.00"}}));
  auto layout = Layout(45, 56, "SUM#");
  layout.columns[2].name = "SUM#";
  const auto lines = Report(layout);
  const std::vector<std::string> tail(lines.end() - 5, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{kRule24, Sum("    3.00"), kRule24, Sum("    3.00"), "\f"}));
}

TEST_F(TextReportTest, ASumFieldOutsideTheColumnsPrintsNoSums) {
  OpenNumbered(2);
  auto layout = Layout(1, 1, "SUM");
  layout.columns.pop_back();
  const auto lines = Report(layout);
  // F = 1 and O = 1: every record opens a sheet and none closes one.
  const std::string rule(15, '-');
  EXPECT_EQ(std::count(lines.begin(), lines.end(), rule.substr(1) + " "), 4);
  const std::vector<std::string> tail(lines.end() - 4, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{rule, rule, " ", "\f"}));
}

TEST_F(TextReportTest, AnEmptyTableGivesOnlyTheEnd) {
  Open({});
  EXPECT_EQ(Report(Layout(45, 56, "SUM")),
            (std::vector<std::string>{kRule24, "                  0.00", kRule24, "                  0.00", "\f"}));
}

TEST(SheetPlaceTest, OneRecordSheetsOnlyOpen) {
  using office::PlaceOnSheet;
  using office::SheetPlace;
  EXPECT_EQ(PlaceOnSheet(1, 1, 3), SheetPlace::First);
  EXPECT_EQ(PlaceOnSheet(2, 1, 3), SheetPlace::First);
  EXPECT_EQ(PlaceOnSheet(3, 1, 3), SheetPlace::Inside);
  EXPECT_EQ(PlaceOnSheet(4, 1, 3), SheetPlace::Last);
  EXPECT_EQ(PlaceOnSheet(5, 1, 3), SheetPlace::First);
  for (int n = 3; n < 10; ++n) EXPECT_EQ(PlaceOnSheet(n, 2, 1), SheetPlace::First) << n;
  // Far into a long table, without walking sheet by sheet.
  EXPECT_EQ(PlaceOnSheet(45 + 56 * 100000 + 1, 45, 56), SheetPlace::First);
  EXPECT_EQ(PlaceOnSheet(45 + 56 * 100000, 45, 56), SheetPlace::Last);
}

TEST_F(TextReportTest, NamesThatAreNotFieldsAreNamedBeforeTheReport) {
  OpenNumbered(1);
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
