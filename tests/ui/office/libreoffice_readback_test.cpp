// The written workbook and document read by a real office program: converted
// to CSV and to plain text with LibreOffice on the command line, without a
// display, in a private profile and with a time limit.
#include "docx_word_basic.h"
#include "office_test_support.h"
#include "recording_launcher.h"
#include "caption_1251.h"
#include "xlsx_spreadsheet.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class LibreOfficeReadBackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) GTEST_SKIP() << "LibreOffice is not installed";
  }

  // The file converted by `filter` into the folder "out"; empty when the conversion failed.
  std::string Convert(const std::string& file, const std::string& filter, const std::string& extension) {
    const std::string command = "timeout 240 soffice -env:UserInstallation=file://" + dir.Path("profile") +
                                " --headless --norestore --nologo --convert-to '" + filter + "' --outdir '" +
                                dir.Path("out") + "' '" + file + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    const std::string stem = file.substr(file.rfind('/') + 1, file.rfind('.') - file.rfind('/') - 1);
    return testsupport::ReadFile(dir.Path("out/" + stem + extension));
  }

  testsupport::TempDir dir;
  RecordingLauncher launcher;
};

TEST_F(LibreOfficeReadBackTest, TheWorkbookReadsAsItsCells) {
  office::XlsxSpreadsheet excel(dir.Path("exchange"), launcher);
  office::ExcelWorksheet& sheet = excel.WorkBooks().Add().WorkSheets(1);
  sheet.Cells(3, 3, "*");
  sheet.Cells(1, 1, office::To1251("Ф.И.О."));
  sheet.Cells(1, 2, office::To1251("Сумма"));
  sheet.Cells(2, 1, office::To1251("Иванов Пётр"));
  sheet.Cells(2, 2, "12,50");
  sheet.Cells().Columns().AutoFit();
  excel.Visible(true);
  ASSERT_EQ(launcher.opened.size(), 1u);
  EXPECT_EQ(Convert(launcher.opened[0], "csv:Text - txt - csv (StarCalc):44,34,76", ".csv"),
            "Ф.И.О.,Сумма,\nИванов Пётр,\"12,50\",\n,,*\n");
}

TEST_F(LibreOfficeReadBackTest, TheDocumentReadsAsItsLines) {
  const std::string templatePath = dir.Path("zero_fil.txt");
  testsupport::WriteFile(templatePath, "");
  office::DocxWordBasic word(dir.Path("exchange"), launcher);
  word.FileNew(templatePath);
  for (const char* line : {"----- ", "     1 Иванов   12.50", "\f", "     2 Ёлкин     3.00", "\f"}) {
    word.Insert(office::To1251(line) + "\r");
  }
  word.AppShow();
  ASSERT_EQ(launcher.opened.size(), 1u);
  std::string text = Convert(launcher.opened[0], "txt:Text (encoded):UTF8", ".txt");
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);  // a byte-order mark
  EXPECT_EQ(text, "----- \n     1 Иванов   12.50\n     2 Ёлкин     3.00\n");
}

}  // namespace
