// The written workbook and document read by a real office program: converted
// to CSV and to plain text with LibreOffice on the command line, without a
// display, in a private profile and home and with a time limit.
#include "desktop_office.h"
#include "code_page.h"
#include "csv_page_text.h"
#include "csv_table.h"
#include "docx_word_basic.h"
#include "office_session.h"
#include "scripted_dialog_service.h"
#include "table_export.h"
#include "office_test_support.h"
#include "page_text.h"
#include "recording_launcher.h"
#include "xlsx_spreadsheet.h"

#include <QProgressBar>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <vector>

namespace {

struct Conversion {
  std::vector<std::string> texts;  // the converted files, in order; empty when the conversion failed
  std::string said;                // each command run, its exit status and what it wrote
};

// Converts `files` by `filter` into dir/out with one start of soffice (each
// start is seconds), each try with a profile and a home of its own; soffice
// killed by a signal (status 128 or more) gets one more try with a fresh
// profile. It reads the files in the locale the test runs in unless told
// (LC_ALL), by the import filter their names and bytes tell unless one is
// given.
Conversion Convert(const testsupport::TempDir& dir, const std::vector<std::string>& files, const std::string& filter,
                   const std::string& extension, const std::string& locale = "", const std::string& inFilter = "") {
  std::string quoted;
  std::vector<std::string> converted;
  for (const std::string& file : files) {
    quoted += " '" + file + "'";
    const size_t slash = file.rfind('/');
    converted.push_back(dir.Path("out/" + file.substr(slash + 1, file.rfind('.') - slash - 1) + extension));
  }
  Conversion c;
  for (int tries = 1; tries <= 2; ++tries) {
    const std::string run = dir.Path("run" + std::to_string(tries));
    std::filesystem::create_directories(run + "/home");
    const std::string command = (locale.empty() ? "" : "LC_ALL='" + locale + "' ") + "HOME='" + run +
                                "/home' timeout 240 soffice -env:UserInstallation=file://" + run +
                                "/profile --headless --norestore --nologo " +
                                (inFilter.empty() ? "" : "--infilter='" + inFilter + "' ") + "--convert-to '" +
                                filter + "' --outdir '" + dir.Path("out") + "'" + quoted + " >'" + run +
                                "/said' 2>&1";
    const int status = std::system(command.c_str());
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    c.said += command + "\nended with " + std::to_string(code) + ":\n" + testsupport::ReadFile(run + "/said");
    if (code == 0 && std::all_of(converted.begin(), converted.end(),
                                 [](const std::string& f) { return std::filesystem::exists(f); })) {
      for (const std::string& f : converted) c.texts.push_back(testsupport::ReadFile(f));
      break;
    }
    if (code < 128) break;
  }
  c.texts.resize(files.size());
  return c;
}

class LibreOfficeReadBackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) GTEST_SKIP() << "LibreOffice is not installed";
  }

  testsupport::TempDir dir;
  RecordingLauncher launcher;
};

std::string In(ui::CodePage page, const char* utf8) { return ui::EncodeTyped(QString::fromUtf8(utf8), page); }

// Cells and lines written from either code page read back as the same text.
TEST_F(LibreOfficeReadBackTest, TheWorkbookAndTheDocumentReadAsWritten) {
  const std::string templatePath = dir.Path("zero_fil.txt");
  testsupport::WriteFile(templatePath, "");
  const ui::CodePage pages[] = {ui::CodePage::Windows1251, ui::CodePage::Dos866};
  std::vector<std::string> workbooks, documents;
  for (const ui::CodePage page : pages) {
    office::XlsxSpreadsheet excel(dir.Path("exchange"), launcher, office::TextPage::Of(page), dbf::SystemFileSystem());
    office::ExcelWorksheet& sheet = excel.WorkBooks().Add().WorkSheets(1);
    sheet.Cells(3, 3, "*");
    sheet.Cells(1, 1, In(page, "Ф.И.О."));
    sheet.Cells(1, 2, In(page, "Сумма"));
    sheet.Cells(2, 1, In(page, "Иванов Пётр"));
    sheet.Cells(2, 2, "12,50");
    sheet.Cells(2, 3, "_x0041_");  // text that looks like an escape stays text
    sheet.Cells().Columns().AutoFit();
    excel.Visible(true);
    office::DocxWordBasic word(dir.Path("exchange"), launcher, office::TextPage::Of(page), dbf::SystemFileSystem());
    word.FileNew(templatePath);
    for (const char* line : {"----- ", "     1 Иванов   12.50", "\f", "     2 Ёлкин     3.00", "\f"}) {
      word.Insert(In(page, line) + "\r");
    }
    word.AppShow();
    ASSERT_EQ(launcher.opened.size(), 2u);
    workbooks.push_back(launcher.opened[0]);
    documents.push_back(launcher.opened[1]);
    launcher.opened.clear();
  }
  const Conversion cells = Convert(dir, workbooks, "csv:Text - txt - csv (StarCalc):44,34,76", ".csv");
  Conversion lines = Convert(dir, documents, "txt:Text (encoded):UTF8", ".txt");
  for (size_t i = 0; i < std::size(pages); ++i) {
    EXPECT_EQ(cells.texts[i], "Ф.И.О.,Сумма,\nИванов Пётр,\"12,50\",_x0041_\n,,*\n")
        << ui::PageName(pages[i]) << cells.said;
    std::string& text = lines.texts[i];
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);  // a byte-order mark
    EXPECT_EQ(text, "----- \n     1 Иванов   12.50\n     2 Ёлкин     3.00\n") << ui::PageName(pages[i]) << lines.said;
  }
}

// Numbers read as numbers, dates as dates, booleans as such and text as
// text: from a typed export, and from the CSV for spreadsheets in a Russian
// locale opened in that locale with its import set for such files (";", UTF-8).
TEST_F(LibreOfficeReadBackTest, TypedExportsAndRussianCsvReadAsNumbersAndDates) {
  const auto expectCells = [](const Conversion& c, std::initializer_list<const char*> cells) {
    for (const char* cell : cells) EXPECT_NE(c.texts[0].find(cell), std::string::npos) << cell << "\n" << c.said;
  };
  const std::string table =
      officetest::WriteTable(dir, "t.dbf", {{"SUM", 'N', 8, 2}, {"DAY", 'D', 8}, {"OK", 'L', 1}, {"NO", 'C', 4}},
                             {{"   12.50", "20240131", "T", "0012"}, {"   -2.25", "20000229", "F", "12"}});
  office::DesktopOffice servers(dir.Path("exchange"), launcher, dbf::SystemFileSystem());
  office::OfficeSession session(servers);
  ui::ScriptedDialogService dialogs;
  QProgressBar bar;
  office::ExportLinks links{dialogs, session, bar, ui::CodePage::Windows1251};
  ASSERT_TRUE(office::ExportTable(table, 5, office::ExportStyle{false, true}, links));
  ASSERT_EQ(launcher.opened.size(), 1u);
  // Flat XML says each cell's type; booleans read as TRUE() and FALSE().
  expectCells(Convert(dir, {launcher.opened[0]}, "fods", ".fods"),
              {"office:value-type=\"float\" office:value=\"12.5\"",
               "office:value-type=\"float\" office:value=\"-2.25\"",
               "office:value-type=\"date\" office:date-value=\"2024-01-31\"",
               "office:value-type=\"date\" office:date-value=\"2000-02-29\"", "table:formula=\"of:=TRUE()\"",
               "table:formula=\"of:=FALSE()\"", "<text:p>0012</text:p>", "<text:p>SUM</text:p>"});

  struct Rows : csv::RowSource {
    std::vector<std::vector<std::string>> cells;
    int64_t RowCount() const override { return static_cast<int64_t>(cells.size()); }
    bool Marked(int64_t) const override { return false; }
    std::string_view Cell(int64_t row, int field) const override {
      return cells[static_cast<size_t>(row)][static_cast<size_t>(field)];
    }
  } rows;
  rows.cells = {{In(ui::CodePage::Windows1251, "Иванов; Пётр"), "  1234.56", "20240201", "T"},
                {"a,b", "    -2.25", "20000229", "F"}};
  std::string text;
  csv::WriteCsv({{"NAME", 'C'}, {"SUM", 'N'}, {"DAY", 'D'}, {"OK", 'L'}}, rows,
                office::PageText(ui::CodePage::Windows1251), [&](std::string_view block) { text += block; },
                csv::Flavour::Russian);
  const std::string file = dir.Path("russian.csv");
  testsupport::WriteFile(file, text);
  expectCells(Convert(dir, {file}, "fods", ".fods", "ru_RU.UTF-8", "CSV:59,34,76,1"),
              {"office:value-type=\"float\" office:value=\"1234.56\"",
               "office:value-type=\"float\" office:value=\"-2.25\"",
               "office:value-type=\"date\" office:date-value=\"2024-02-01\"",
               "office:value-type=\"date\" office:date-value=\"2000-02-29\"", "<text:p>Иванов; Пётр</text:p>",
               "<text:p>a,b</text:p>", "<text:p>DAY</text:p>"});
}

}  // namespace
