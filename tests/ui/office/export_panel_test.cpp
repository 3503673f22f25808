#include "export_panel.h"
#include "office_panel_fixture.h"
#include "page_text.h"
#include "radio_group.h"

#include <QCheckBox>

using testsupport::FieldSpec;

namespace {

class ExportPanelTest : public OfficePanelTest {
 protected:
  void SetUp() override {
    OfficePanelTest::SetUp();
    Open(officetest::WriteTable(dir, "goods.dbf", {{"NAME", 'C', 6}, {"PRICE", 'N', 8, 2}},
                                {{"tea", "12.50"}, {"milk", "3.1"}}, {1}));
  }
  const RecordingExcel& Sheet() const { return *servers.excels.back(); }
  // The panel's commands, as the menus and toolbar run them.
  void Run(void (TExportPanel::*command)()) {
    TExportPanel* shown = panel;
    guard.Run([shown, command] { (shown->*command)(); });
  }

  TExportPanel* panel = new TExportPanel(Links(), area);
};

// The decimal comma and the typed export as chosen on the panel, from either
// command, each showing the panel with the point kept and no types; the cells
// are handed over to be read in the code page the table is shown in.
TEST_F(ExportPanelTest, ExportsTheTableAsChosenInItsCodePageAndClosesThePanel) {
  Run(&TExportPanel::ToolButton5Click);
  panel->RadioGroup1->SetItemIndex(1);
  panel->Button3->click();
  EXPECT_EQ(Sheet().cells, (std::map<std::pair<int64_t, int64_t>, std::string>{
                               {{1, 1}, "tea"}, {{1, 2}, "12,50"}, {{2, 1}, "milk"}, {{2, 2}, "3,1"}, {{3, 3}, "*"}}));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Перенос в MS EXCEL - выполнено!"});
  EXPECT_TRUE(panel->isHidden());
  EXPECT_TRUE(progress->isHidden());

  Run(&TExportPanel::SavetoMSEXCEL1Click);
  EXPECT_EQ(panel->RadioGroup1->ItemIndex(), 0);
  panel->CheckBoxTyped->setChecked(true);
  panel->Button3->click();
  EXPECT_EQ(std::vector<std::string>({Sheet().Cell(1, 2), Sheet().Cell(3, 2), Sheet().Cell(4, 3)}),
            std::vector<std::string>({"PRICE", "3.1", "*"}));
  EXPECT_EQ(Sheet().Kind(3, 2), office::CellKind::Number);

  Open(officetest::WriteTable(dir, "dos.dbf", {{"NAME", 'C', 8}}, {{"\x88\xa2\xa0\xad\xae\xa2"}, {"\x8f\xf1\xe2\xe0"}}));
  Run(&TExportPanel::ToolButton5Click);
  panel->Button3->click();
  EXPECT_EQ(Sheet().Cell(1, 1), "\x88\xa2\xa0\xad\xae\xa2");
  EXPECT_EQ(&Sheet().page, &office::TextPage::Of(ui::CodePage::Dos866));
  table.SetPage(ui::CodePage::Windows1251);  // the switch moved
  Run(&TExportPanel::ToolButton5Click);
  panel->Button3->click();
  EXPECT_EQ(&Sheet().page, &office::TextPage::Of(ui::CodePage::Windows1251));
}

TEST_F(ExportPanelTest, ThePaymentListNeedsItsFields) {
  Run(&TExportPanel::N16Click);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"В файле нет полей: FIO, ACCOUNT, TIN, SUMMA"});
  EXPECT_TRUE(servers.excels.empty());

  Open(officetest::WriteTable(dir, "pay.dbf",
                              {{"FIO", 'C', 8}, {"ACCOUNT", 'C', 4}, {"TIN", 'C', 4}, {"SUMMA", 'N', 6, 2}},
                              {{"Ann", "1", "2", "5"}}));
  Run(&TExportPanel::N16Click);
  EXPECT_EQ(dialogs.messages.back(), "Перенос в MS EXCEL - выполнено!");
  EXPECT_EQ(Sheet().Cell(3, 5), "      5.00");
  EXPECT_EQ(Sheet().Cell(4, 5), " ");  // below the total, in the column after the last field
}

}  // namespace
