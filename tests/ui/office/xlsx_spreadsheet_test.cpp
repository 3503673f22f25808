#include "caption_1251.h"
#include "office_test_support.h"
#include "page_text.h"
#include "process_limits.h"
#include "recording_launcher.h"
#include "xlsx_spreadsheet.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class XlsxSpreadsheetTest : public ::testing::Test {
 protected:
  std::string SheetXml() { return officetest::ZipMember(launcher.opened.at(0), "xl/worksheets/sheet1.xml"); }

  testsupport::TempDir dir;
  RecordingLauncher launcher;
  office::XlsxSpreadsheet excel{dir.Path("exchange"), launcher, office::TextPage::Of(ui::CodePage::Windows1251),
                                dbf::SystemFileSystem()};
};

TEST_F(XlsxSpreadsheetTest, CellsInAnyOrderLandInTheirRowsOfARealWorkbook) {
  office::ExcelWorkbook& book = excel.WorkBooks().Add();
  excel.SheetsInNewWorkbook(1);
  office::ExcelWorksheet& sheet = book.WorkSheets(1);
  sheet.Cells(3, 2, "*");
  sheet.Cells(1, 1, office::To1251("Иванов & <Ко>"));
  sheet.Cells(2, 1, "first");
  sheet.Cells(2, 1, "second");  // written twice: the last text stays
  sheet.Cells(2, 3, "gone");
  sheet.Cells(2, 3, "");  // an empty text clears the cell
  sheet.Cells().Columns().AutoFit();
  excel.Visible(true);
  ASSERT_EQ(launcher.opened.size(), 1u);
  EXPECT_EQ(launcher.opened[0].rfind(dir.Path("exchange/workbook-"), 0), 0u) << launcher.opened[0];
  const std::string xml = SheetXml();
  const size_t ivanov = xml.find("<c r=\"A1\" t=\"inlineStr\"><is><t>Иванов &amp; &lt;Ко&gt;</t></is></c>");
  const size_t second = xml.find("<c r=\"A2\" t=\"inlineStr\"><is><t>second</t></is></c>");
  const size_t star = xml.find("<c r=\"B3\" t=\"inlineStr\"><is><t>*</t></is></c>");
  EXPECT_NE(ivanov, std::string::npos) << xml;
  EXPECT_NE(second, std::string::npos) << xml;
  EXPECT_LT(ivanov, second);
  EXPECT_LT(second, star);
  EXPECT_EQ(xml.find("first"), std::string::npos);
  EXPECT_EQ(xml.find("\"C2\""), std::string::npos);
  // Columns fitted to their longest text: 13 and 1 characters.
  EXPECT_NE(xml.find("<col min=\"1\" max=\"1\" width=\"15."), std::string::npos) << xml;
  EXPECT_NE(xml.find("<col min=\"2\" max=\"2\" width=\"3."), std::string::npos) << xml;
}

// Cells carry every byte: control characters as escapes a reader decodes,
// and an underscore that would read as one escaped itself.
TEST_F(XlsxSpreadsheetTest, EveryByteOfACellIsCarried) {
  const std::vector<std::pair<std::string, std::string>> cells{
      {std::string("a\0b", 3), "a_x0000_b"},       {"\x01\x1F", "_x0001__x001F_"},
      {"x\ry", "x_x000D_y"},                       {"tab\tline\nend", "tab\tline\nend"},
      {"_x0041_", "_x005F_x0041_"},                {std::string("_x0041\0", 7), "_x005F_x0041_x0000_"},
      {"_x00fF__x0A_", "_x005F_x00fF__x0A_"},      {"_X0041_", "_X0041_"},
      {"\x98\x7F", "_x0098__x007F_"},              {"\xC0\xFF\xB9", "Ая№"},
      {"&<>", "&amp;&lt;&gt;"},
  };
  office::ExcelWorksheet& sheet = excel.WorkBooks().Add().WorkSheets(1);
  for (size_t i = 0; i < cells.size(); ++i) sheet.Cells(static_cast<int64_t>(i + 1), 1, cells[i].first);
  excel.Visible(true);
  const std::string xml = SheetXml();
  for (size_t i = 0; i < cells.size(); ++i) {
    const std::string cell = "<c r=\"A" + std::to_string(i + 1) + "\" t=\"inlineStr\"><is><t>" + cells[i].second + "</t>";
    EXPECT_NE(xml.find(cell), std::string::npos) << cell;
  }
}

TEST_F(XlsxSpreadsheetTest, ManyRunsOfRowsAreSortedToo) {
  office::ExcelWorksheet& sheet = excel.WorkBooks().Add().WorkSheets(1);
  for (int row = 40; row >= 1; --row) sheet.Cells(row, 1, std::to_string(row));
  excel.Visible(true);
  const std::string xml = SheetXml();
  size_t at = 0;
  for (int row = 1; row <= 40; ++row) {
    const size_t next = xml.find("<t>" + std::to_string(row) + "</t>", at);
    ASSERT_NE(next, std::string::npos) << row;
    at = next;
  }
}

TEST_F(XlsxSpreadsheetTest, CellsOutsideTheWorksheetAndNoProgramToOpenTheWorkbookAreErrors) {
  office::ExcelWorksheet& sheet = excel.WorkBooks().Add().WorkSheets(1);
  EXPECT_NO_THROW(sheet.Cells(office::kWorksheetRows, 1, "last"));
  EXPECT_THROW(sheet.Cells(office::kWorksheetRows + 1, 1, "x"), office::AutomationError);
  EXPECT_THROW(sheet.Cells(1, 0, "x"), office::AutomationError);
  EXPECT_THROW(excel.WorkBooks().Add().WorkSheets(2), office::AutomationError);
  launcher.accepts = false;
  const std::string error = officetest::AutomationErrorOf([&] { excel.Visible(true); });
  EXPECT_EQ(error, "Нет программы для просмотра файла " + launcher.opened.at(0));
}

TEST_F(XlsxSpreadsheetTest, AWorkbookBasedOnAFileOpensACopy) {
  const std::string mine = dir.Path("Mine.XLS");
  const std::string bytes = std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(504, 'x');
  testsupport::WriteFile(mine, bytes);
  std::filesystem::permissions(mine, std::filesystem::perms::owner_all);
  office::ExcelWorkbook& book = excel.WorkBooks().Add(mine);
  book.WorkSheets(1).Cells().Columns().AutoFit();
  EXPECT_THROW(book.WorkSheets(1).Cells(1, 1, "x"), office::AutomationError);
  excel.Visible(true);
  ASSERT_EQ(launcher.opened.size(), 1u);
  EXPECT_EQ(launcher.opened[0], dir.Path("exchange/Mine-1.XLS"));
  EXPECT_EQ(testsupport::ReadFile(launcher.opened[0]), bytes);
  // The copy is never something the desktop would run.
  const auto perms = std::filesystem::status(launcher.opened[0]).permissions();
  EXPECT_EQ(perms & std::filesystem::perms::owner_exec, std::filesystem::perms::none);
  // Showing again opens nothing new; a second copy gets a fresh name.
  excel.Visible(true);
  excel.WorkBooks().Add(mine);
  excel.Visible(true);
  EXPECT_EQ(launcher.opened.back(), dir.Path("exchange/Mine-2.XLS"));
  EXPECT_THROW(excel.WorkBooks().Add(dir.Path("missing.xls")), office::AutomationError);
  // The copy's content is checked: a web page named as a spreadsheet leaves no copy.
  testsupport::WriteFile(dir.Path("page.xls"), "<html><script>alert(1)</script></html>");
  EXPECT_THROW(excel.WorkBooks().Add(dir.Path("page.xls")), office::AutomationError);
  EXPECT_EQ(officetest::FilesEndingWith(dir.Path("exchange"), ".XLS"), 2);
  EXPECT_EQ(officetest::FilesEndingWith(dir.Path("exchange"), ".xls"), 0);
}

TEST_F(XlsxSpreadsheetTest, AWriteThatFailsPartWayLeavesNoWorkbook) {
  office::ExcelWorksheet& sheet = excel.WorkBooks().Add().WorkSheets(1);
  for (int row = 1; row <= 3000; ++row) sheet.Cells(row, 1, "row number " + std::to_string(row * 7919));
  testsupport::FileSizeLimit limit(20000);
  const std::string error = officetest::AutomationErrorOf([&] { excel.Visible(true); });
  EXPECT_NE(error.find("File too large"), std::string::npos) << error;
  EXPECT_TRUE(launcher.opened.empty());
  EXPECT_EQ(officetest::FilesEndingWith(dir.Path("exchange"), ".xlsx"), 0);
}

}  // namespace
