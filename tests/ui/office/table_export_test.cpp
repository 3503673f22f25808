#include "caption_1251.h"
#include "office_session.h"
#include "page_text.h"
#include "office_test_support.h"
#include "recording_office.h"
#include "scripted_dialog_service.h"
#include "table_export.h"

#include <QProgressBar>

#include <gtest/gtest.h>

using testsupport::FieldSpec;

namespace {

class TableExportTest : public ::testing::Test {
 protected:
  bool Export(const std::string& path, bool decimalComma, int64_t gridColumns = 4, bool typed = false) {
    return office::ExportTable(path, gridColumns, office::ExportStyle{decimalComma, typed}, links);
  }
  bool PaymentList(const std::string& path, int64_t gridColumns = 6) {
    return office::ExportPaymentList(path, gridColumns, links);
  }
  const RecordingExcel& Sheet() const { return *servers.excels.back(); }

  testsupport::TempDir dir;
  ui::ScriptedDialogService dialogs;
  RecordingOffice servers;
  office::OfficeSession session{servers};
  QProgressBar bar;
  office::ExportLinks links{dialogs, session, bar, ui::CodePage::Windows1251};
};

// The engine reads a typed name ending in '#' as a numbered name: the field
// stored as "NO#" must still give its own bytes, not those of "NO0".
const std::vector<FieldSpec> kMixed{{"NO0", 'C', 6}, {"PRICE", 'N', 8, 2}, {"NO#", 'C', 6}};

TEST_F(TableExportTest, EveryFieldOfEveryRecordInCallOrder) {
  const std::string path = officetest::WriteTable(dir, "t.dbf", kMixed,
                                                  {{"  a.b", "   12.50", "1.5"}, {"Bob", "1.2.3", ""}}, {2});
  ASSERT_TRUE(Export(path, false));
  // Row r holds record r, deleted ones too; "*" sits below the last record
  // in the column after the last field.
  const std::map<std::pair<int64_t, int64_t>, std::string> expected{
      {{1, 1}, "a.b"}, {{1, 2}, "12.50"}, {{1, 3}, "1.5"}, {{2, 1}, "Bob"},
      {{2, 2}, "1.2.3"}, {{2, 3}, ""},   {{3, 4}, "*"}};
  EXPECT_EQ(Sheet().cells, expected);
  EXPECT_EQ(servers.log.calls,
            (std::vector<std::string>{"start Excel1", "Excel1.WorkBooks", "Excel1.Add()", "Excel1.SheetsInNewWorkbook=1",
                                      "Excel1.WorkSheets(1)", "Excel1.Cells", "Excel1.Columns", "Excel1.AutoFit",
                                      "Excel1.Visible=true"}));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Перенос в MS EXCEL - выполнено!"});
  EXPECT_TRUE(bar.isHidden());
  // A decimal comma replaces the first point of numeric fields only.
  ASSERT_TRUE(Export(path, true));
  EXPECT_EQ(std::vector<std::string>({Sheet().Cell(1, 1), Sheet().Cell(1, 2), Sheet().Cell(1, 3), Sheet().Cell(2, 2)}),
            std::vector<std::string>({"a.b", "12,50", "1.5", "1,2.3"}));
}

TEST_F(TableExportTest, ATypedExportHasAHeaderRowAndNumbersDatesAndBooleansAsSuch) {
  const std::vector<FieldSpec> fields{{"NAME", 'C', 4}, {"SUM", 'N', 6, 2}, {"DAY", 'D', 8}, {"OK", 'L', 1}};
  const std::string path = officetest::WriteTable(dir, "t.dbf", fields,
                                                  {{"12", "  1.50", "20240229", "y"}, {"", "1.2.3", "20230229", "?"}});
  ASSERT_TRUE(Export(path, true, 5, true));
  using Kind = office::CellKind;
  const std::map<std::pair<int64_t, int64_t>, std::pair<std::string, Kind>> expected{
      {{1, 1}, {"NAME", Kind::Text}},  {{1, 2}, {"SUM", Kind::Text}},      {{1, 3}, {"DAY", Kind::Text}},
      {{1, 4}, {"OK", Kind::Text}},    {{2, 1}, {"12", Kind::Text}},       {{2, 2}, {"1.50", Kind::Number}},
      {{2, 3}, {"20240229", Kind::Date}}, {{2, 4}, {"1", Kind::Boolean}}, {{3, 1}, {"", Kind::Text}},
      {{3, 2}, {"1,2.3", Kind::Text}},  {{3, 3}, {"20230229", Kind::Text}}, {{3, 4}, {"?", Kind::Text}},
      {{4, 5}, {"*", Kind::Text}}};
  std::map<std::pair<int64_t, int64_t>, std::pair<std::string, Kind>> written;
  for (const auto& [at, text] : Sheet().cells) written[at] = {text, Sheet().Kind(at.first, at.second)};
  EXPECT_EQ(written, expected);
}

TEST_F(TableExportTest, ATableLongerThanAWorksheetIsRefusedCountingTheRowsTheExportAdds) {
  // 1,048,576 records of one byte: with the "*" row they need one row more than a worksheet has.
  testsupport::TableLayout layout;
  layout.fields = {{"A", 'C', 1}};
  layout.headerRecordCount = 1048576;
  layout.endMark = false;
  std::string bytes = testsupport::TableBytes(layout);
  for (int i = 0; i < 1048576; ++i) bytes += " x";
  const std::string path = dir.Path("long.dbf");
  testsupport::WriteFile(path, bytes);
  EXPECT_FALSE(Export(path, false));
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>{"Записей в файле: 1048576.\r\nНа лист MS EXCEL помещается не более 1048575."});
  EXPECT_TRUE(servers.excels.empty());
  // The rows an export adds count.
  EXPECT_EQ(office::CheckWorksheetRoom(1048575, 1), std::nullopt);
  EXPECT_EQ(office::CheckWorksheetRoom(1048573, 3), std::nullopt);
  EXPECT_NE(office::CheckWorksheetRoom(1048574, 3), std::nullopt);
}

const std::vector<FieldSpec> kPayments{
    {"FIO", 'C', 12}, {"ACCOUNT", 'C', 8}, {"TIN", 'C', 6}, {"SUMMA", 'N', 9, 2}, {"NOTE", 'C', 2}};

// "Иванов" and "Пётр" in the DOS code page; only names are converted. A name
// with a character 1251 lacks (a box-drawing line of 866) keeps the byte, and
// the user is told which records hold such names.
TEST_F(TableExportTest, ThePaymentListConvertsNamesAndTotals) {
  const std::string path = officetest::WriteTable(
      dir, "p.dbf", kPayments,
      {{" \x88\xa2\xa0\xad\xae\xa2", "40817", " 12", "1000.50", "x"}, {"\x8f\xf1\xe2\xe0", "\xa0\x31", "7", "  0.25"},
       {"\xc9\xcd\xbb", "1", "1", "1"}},
      {2});
  ASSERT_TRUE(PaymentList(path));
  const auto& sheet = Sheet();
  const char* headings[] = {"№ п/п", "Ф.И.О.", "№ картсчета", "Код налогоплательщика", "Сумма"};
  for (int col = 1; col <= 5; ++col) EXPECT_EQ(sheet.Cell(1, col), office::To1251(headings[col - 1])) << col;
  // Other columns keep their bytes ("\xa0\x31").
  EXPECT_EQ(std::vector<std::string>({sheet.Cell(2, 1), sheet.Cell(2, 2), sheet.Cell(2, 3), sheet.Cell(2, 4),
                                      sheet.Cell(2, 5), sheet.Cell(3, 1), sheet.Cell(3, 2), sheet.Cell(3, 3),
                                      sheet.Cell(4, 2), sheet.Cell(5, 1), sheet.Cell(5, 5), sheet.Cell(6, 6)}),
            std::vector<std::string>({"    1", office::To1251("Иванов"), "40817", "12", "1000.50", "    2",
                                      office::To1251("Пётр"), "\xa0\x31", "\xc9\xcd\xbb", office::To1251("ВСЕГО :"),
                                      "   1001.75", " "}));
  EXPECT_EQ(&sheet.page, &office::TextPage::Of(ui::CodePage::Windows1251));
  EXPECT_EQ(sheet.cells.size(), 5u + 15u + 3u);
  EXPECT_EQ(dialogs.messages,
            (std::vector<std::string>{"Перенос в MS EXCEL - выполнено!",
                                      "В поле FIO записей 3 есть символы, которых нет в кодировке 1251.\r\n"
                                      "Они перенесены без изменения."}));
}

TEST_F(TableExportTest, AnEmptyTableGivesTheStarAndAnEmptyPaymentListAZeroTotal) {
  ASSERT_TRUE(Export(officetest::WriteTable(dir, "t.dbf", kMixed, {}), false));
  EXPECT_EQ(Sheet().cells, (std::map<std::pair<int64_t, int64_t>, std::string>{{{1, 4}, "*"}}));
  ASSERT_TRUE(PaymentList(officetest::WriteTable(dir, "p.dbf", kPayments, {})));
  EXPECT_EQ(std::vector<std::string>({Sheet().Cell(2, 1), Sheet().Cell(2, 5), Sheet().Cell(3, 6)}),
            std::vector<std::string>({office::To1251("ВСЕГО :"), "      0.00", " "}));
}

TEST_F(TableExportTest, APaymentListWithoutItsFieldsIsRefusedByName) {
  const std::string path = officetest::WriteTable(
      dir, "p.dbf", {{"FIO", 'C', 12}, {"SUMMA", 'C', 9}, {"OTHER", 'N', 4}}, {{"A", "1", "2"}});
  EXPECT_FALSE(PaymentList(path));
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>{"В файле нет полей: ACCOUNT, TIN\r\nПоля не числовые: SUMMA"});
  EXPECT_TRUE(servers.excels.empty());  // no workbook was started
}

}  // namespace
