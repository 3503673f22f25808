#include "caption_1251.h"
#include "page_text.h"
#include "office_panel_fixture.h"
#include "report_panel.h"
#include "radio_group.h"

#include <QTest>

#include <filesystem>
#include <functional>

using testsupport::FieldSpec;

namespace {

class ReportPanelTest : public OfficePanelTest {
 protected:
  void SetUp() override {
    OfficePanelTest::SetUp();
    path = officetest::WriteTable(dir, "people.dbf", {{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}},
                                   {{"Ann", "10.50"}, {"Bob", "2"}}, {2});
    Open(path);
    Show();
  }

  // "Печать в текстовый файл и MS  WORD", which shows the panel.
  void Show() { guard.Run([this] { panel->ToolButton3Click(); }); }

  // Types into the column grid and presses Enter there.
  void EnterInGrid(int row, int col, const std::string& text) {
    panel->StringGrid3->SetCell(row, col, text);
    panel->StringGrid3->SetSelectedCell(row, col);
    QTest::keyClick(panel->StringGrid3, Qt::Key_Return);
  }

  // Row-number column of width 4, NAME of 6 and SUM of 8.
  void SetUpColumns() {
    panel->StringGrid3->onClick();
    const std::vector<std::vector<std::string>> rows{{"N", "4"}, {"NAME", "6"}, {"SUM", "8"}};
    for (int row = 1; row <= 3; ++row) {
      panel->StringGrid3->SetCell(row, 2, rows[row - 1][0]);
      panel->StringGrid3->SetCell(row, 3, rows[row - 1][1]);
    }
  }

  std::string path;
  TReportPanel* panel = new TReportPanel(Links(), area);
};

// The panel opens with its defaults; the column grid checks names and
// widths as they are entered; its exit button hides the panel. A table in the
// DOS code page gets a report in one code page: its own captions in 866
// beside the table's 866 bytes, and the word processor reads the lines as
// 866. The table is named like the template: its report is the report, not
// the template.
TEST_F(ReportPanelTest, OpensWithItsDefaultsAndChecksTheColumnsInTheTablesCodePage) {
  EXPECT_FALSE(panel->isHidden());
  EXPECT_EQ((QStringList{panel->Edit7->text(), panel->Edit8->text(), panel->Edit6->text(), panel->Edit9->text()}),
            (QStringList{"45", "56", "", "2"}));
  EXPECT_EQ(panel->StringGrid3->RowCount(), 3);
  EXPECT_EQ(panel->RadioGroup2->ItemIndex(), 0);
  EXPECT_EQ(panel->RadioGroup3->ItemIndex(), 0);
  EXPECT_TRUE(panel->ProgressBar2->isHidden());

  panel->Edit9->setText("3");
  panel->StringGrid3->onClick();
  ASSERT_EQ(panel->StringGrid3->RowCount(), 5);
  EXPECT_EQ(panel->StringGrid3->Cell(4, 0), "     4");

  EnterInGrid(1, 2, "");
  EXPECT_EQ(panel->StringGrid3->Cell(1, 2), office::To1251("№ п/п"));
  EXPECT_EQ(panel->StringGrid3->Col(), 3);
  EnterInGrid(2, 2, "  sum ");
  EXPECT_EQ(panel->StringGrid3->Cell(2, 2), "SUM");
  EXPECT_EQ(panel->StringGrid3->Cell(2, 1), "   8");
  EXPECT_EQ(panel->StringGrid3->Col(), 3);
  EnterInGrid(3, 2, office::To1251("имя"));
  EXPECT_EQ(panel->StringGrid3->Cell(3, 1), "");
  EnterInGrid(3, 3, "0");
  EnterInGrid(3, 3, "7");
  EXPECT_EQ(panel->StringGrid3->Row(), 4);
  EXPECT_EQ(panel->StringGrid3->Col(), 2);
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Error Name Field!\r\nИМЯ",
                                                        "Ширина колонки не может быть равна Нулю!"}));
  panel->Button9->click();
  EXPECT_TRUE(panel->isHidden());

  const std::string ivanov866 = "\x88\xa2\xa0\xad\xae\xa2";
  Open(officetest::WriteTable(dir, "zero_fil.dbf", {{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}},
                              {{ivanov866, "1"}, {"\x8f\xf1\xe2\xe0", "2"}}));
  ASSERT_EQ(table.Page(), ui::CodePage::Dos866);
  Show();
  const std::string number866 = "\xfc \xaf/\xaf";  // "№ п/п"
  EXPECT_EQ(panel->StringGrid3->Cell(0, 0), number866);
  panel->StringGrid3->onClick();
  for (const auto& [row, name, width] : {std::tuple{1, "", "6"}, std::tuple{2, "NAME", "8"}, std::tuple{3, "SUM", "8"}}) {
    EnterInGrid(row, 2, name);
    EnterInGrid(row, 3, width);
  }
  EXPECT_EQ(panel->StringGrid3->Cell(1, 2), number866);
  panel->RadioGroup2->SetItemIndex(1);
  panel->Button8->click();
  const std::string report = testsupport::ReadFile(dir.Path("zero_fil.txt"));
  EXPECT_NE(report.find(number866), std::string::npos);
  EXPECT_NE(report.find(ivanov866), std::string::npos);
  ASSERT_EQ(servers.words.size(), 1u);
  EXPECT_NE(servers.words[0]->inserted.at(3).find(ivanov866), std::string::npos);
  EXPECT_EQ(&servers.words[0]->page, &office::TextPage::Of(ui::CodePage::Dos866));
}

// The report goes beside the table, and to the word processor line by line
// from an empty template when asked. Links planted where the report and the
// template go are replaced, never followed: the files they name keep their bytes.
TEST_F(ReportPanelTest, WritesTheReportBesideTheTableAndHandsItOver) {
  struct Plant {
    std::string link;
    std::string victim;
    bool replaced;  // false: a link the report leaves alone
  };
  const std::string exchange = servers.ExchangeFolder();
  const std::vector<Plant> plants{{dir.Path("people.txt"), dir.Path("bashrc"), true},
                                  {dir.Path("zero_fil.txt"), dir.Path("notes.txt"), false},
                                  {exchange + "/zero_fil.txt", dir.Path("other_notes.txt"), true}};
  for (const Plant& p : plants) {
    testsupport::WriteFile(p.victim, "the victim's own bytes\n");
    std::filesystem::create_symlink(p.victim, p.link);
  }
  SetUpColumns();
  panel->Edit6->setText("SUM");
  panel->Edit7->setText("1");
  panel->Button8->click();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Печать завершена!"});
  EXPECT_TRUE(panel->ProgressBar2->isHidden());
  EXPECT_TRUE(servers.words.empty());
  // One record on the first sheet: record 1 opens it and record 2 the next.
  const std::string rule(23, '-');
  const std::string header = std::string(22, '-') + " ";
  EXPECT_EQ(testsupport::ReadFile(dir.Path("people.txt")),
            officetest::CrLfLines({header, " N    NAME   SUM", header, "    1 Ann    10.50", header,
                                   " N    NAME   SUM", header, "    2 Bob    2", rule,
                                   std::string(13, ' ') + "    2.00", rule, std::string(13, ' ') + "   12.50",
                                   "\f"}));

  panel->RadioGroup2->SetItemIndex(1);
  panel->Button8->click();
  for (const Plant& p : plants) {
    EXPECT_EQ(testsupport::ReadFile(p.victim), "the victim's own bytes\n") << p.link;
    EXPECT_EQ(std::filesystem::is_symlink(p.link), !p.replaced) << p.link;
  }
  EXPECT_EQ(testsupport::ReadFile(exchange + "/zero_fil.txt"), "");
  // Nothing is left beside the table but the report.
  EXPECT_EQ(dir.FileCount(), 6u);  // people.dbf, people.txt, bashrc, zero_fil.txt, and the two notes
  ASSERT_EQ(servers.words.size(), 1u);
  EXPECT_EQ(servers.log.calls.front(), "start Word1");
  EXPECT_EQ(servers.log.calls[1], "Word1.FileNew(" + exchange + "/zero_fil.txt)");
  EXPECT_EQ(servers.log.calls.back(), "Word1.AppShow");
  const auto& inserted = servers.words[0]->inserted;
  ASSERT_EQ(inserted.size(), 13u);
  EXPECT_EQ(inserted[3], "    1 Ann    10.50\r");
  EXPECT_EQ(inserted[12], "\f\r");

  // "не печатать" keeps the row-number column's place, blank.
  panel->RadioGroup3->SetItemIndex(1);
  panel->Button8->click();
  EXPECT_EQ(testsupport::ReadFile(dir.Path("people.txt")).substr(25, 18), "      NAME   SUM\r\n");
}

// Wrong settings are named in the window's language; counts and widths are
// held to what a line of 255 characters takes; a refused setting writes no
// report.
TEST_F(ReportPanelTest, WrongSettingsAndNumbersPastALineOf255AreRefused) {
  struct Typed {
    const char* what;
    std::function<void()> type;
    std::string message;  // empty: accepted
  };
  const std::string limit = ": строка отчета не длиннее 255 знаков.";
  auto columns = [this](const char* count) {
    return [this, count] {
      panel->Edit9->setText(count);
      panel->StringGrid3->onClick();
    };
  };
  auto width = [this](const char* text) { return [this, text] { SetUpColumns(); EnterInGrid(3, 3, text); }; };
  auto run = [this](std::function<void()> change) {
    return [this, change] {
      SetUpColumns();
      change();
      panel->Button8->click();
    };
  };
  auto cell = [&run, this](int row, int col, const char* text) {
    return run([this, row, col, text] { panel->StringGrid3->SetCell(row, col, text); });
  };
  auto edit = [&run](QLineEdit* box, const char* text) { return run([box, text] { box->setText(text); }); };
  const std::string noNumber = "Число не указано: заполните поле целым числом.";
  const std::vector<Typed> cases{
      {"no such field", cell(3, 2, "NOPE"), "Error Name Field!\r\nNOPE"},
      {"sum of text", edit(panel->Edit6, "NAME"), "Поле для подсчета суммы не числовое!\r\nNAME"},
      {"no rows", edit(panel->Edit8, "0"), "Количество рядов на остальных листах меньше 1."},
      {"width below 0", cell(2, 3, "-3"), "Ширина колонки не может быть равна Нулю!"},
      {"no rows on the first sheet", edit(panel->Edit7, ""), noNumber},
      {"a count in words", edit(panel->Edit9, "two"), "\"two\" не является целым числом."},
      {"no width", cell(2, 3, ""), noNumber},
      {"125 columns", columns("125"), ""},
      {"126 columns", columns("126"), "Количество столбцов больше 125" + limit},
      {"2e9 columns", columns("2000000000"), "Количество столбцов больше 125" + limit},
      {"width 250", width("250"), ""},
      {"width 251", width("251"), "Ширина столбца больше 250" + limit},
      {"width 2e9", width("2000000000"), "Ширина столбца больше 250" + limit},
      // N 4, NAME 6 and SUM: 4 + 6 + SUM + 3 blanks + 2.
      {"a line of 255", cell(3, 3, "240"), "Печать завершена!"},
      {"a line of 256", cell(3, 3, "241"), "Строка отчета из 256 знаков длиннее 255: уменьшите ширину столбцов."},
      {"a line of 2e9", cell(3, 3, "2000000000"),
       "Строка отчета из 2000000015 знаков длиннее 255: уменьшите ширину столбцов."},
      {"2e9 columns to print", edit(panel->Edit9, "2000000000"), "Количество столбцов больше 125" + limit},
  };
  for (const Typed& c : cases) {
    dialogs.messages.clear();
    testsupport::WriteFile(dir.Path("people.txt"), "");
    panel->Edit6->clear(), panel->Edit7->setText("45"), panel->Edit8->setText("56"), panel->Edit9->setText("2");
    c.type();
    EXPECT_EQ(dialogs.messages, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
        << c.what;
    // Only the accepted run writes a report: its rules are 255 characters long.
    const std::string report = testsupport::ReadFile(dir.Path("people.txt"));
    EXPECT_EQ(report.substr(0, 257), c.message == "Печать завершена!" ? std::string(254, '-') + " \r\n" : "")
        << c.what;
  }
}

}  // namespace
