#include "office_window_fixture.h"
#include "page_text.h"
#include "radio_group.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>

using testsupport::FieldSpec;

namespace {

class ExportPanelTest : public OfficeWindowTest {
 protected:
  void SetUp() override {
    OfficeWindowTest::SetUp();
    Open(officetest::WriteTable(dir, "goods.dbf", {{"NAME", 'C', 6}, {"PRICE", 'N', 8, 2}},
                                {{"tea", "12.50"}, {"milk", "3.1"}}, {1}));
  }
  const RecordingExcel& Sheet() const { return *servers.excels.back(); }
};

TEST_F(ExportPanelTest, BothCommandsShowThePanelWithThePointKept) {
  form->ToolButton5->trigger();
  EXPECT_FALSE(form->Panel5->isHidden());
  form->Panel5->RadioGroup1->SetItemIndex(1);
  form->Panel5->CheckBoxTyped->setChecked(true);
  form->Panel5->Button11->click();
  EXPECT_TRUE(form->Panel5->isHidden());
  form->SavetoMSEXCEL1->trigger();
  EXPECT_FALSE(form->Panel5->isHidden());
  EXPECT_EQ(form->Panel5->RadioGroup1->ItemIndex(), 0);
  EXPECT_FALSE(form->Panel5->CheckBoxTyped->isChecked());
  EXPECT_EQ(form->Panel5->CheckBoxTyped->text().toStdString(), "с заголовками и типами");
}

TEST_F(ExportPanelTest, TheTypedExportWritesTheHeaderRowAndNumbers) {
  form->ToolButton5->trigger();
  form->Panel5->CheckBoxTyped->setChecked(true);
  form->Panel5->Button3->click();
  EXPECT_EQ(Sheet().Cell(1, 2), "PRICE");
  EXPECT_EQ(Sheet().Cell(3, 2), "3.1");
  EXPECT_EQ(Sheet().Kind(3, 2), office::CellKind::Number);
  EXPECT_EQ(Sheet().Cell(4, 3), "*");
}

TEST_F(ExportPanelTest, ExportsTheTableAndClosesThePanel) {
  form->ToolButton5->trigger();
  form->Panel5->RadioGroup1->SetItemIndex(1);
  form->Panel5->Button3->click();
  EXPECT_EQ(Sheet().cells, (std::map<std::pair<int64_t, int64_t>, std::string>{
                               {{1, 1}, "tea"}, {{1, 2}, "12,50"}, {{2, 1}, "milk"}, {{2, 2}, "3,1"}, {{3, 3}, "*"}}));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Перенос в MS EXCEL - выполнено!"});
  EXPECT_TRUE(form->Panel5->isHidden());
  EXPECT_TRUE(form->ProgressBar1->isHidden());
}

// The general export hands the cells over to be read in the code page the
// table is shown in; the switch changes it.
TEST_F(ExportPanelTest, TheExportIsReadInTheTablesCodePage) {
  Open(officetest::WriteTable(dir, "dos.dbf", {{"NAME", 'C', 8}}, {{"\x88\xa2\xa0\xad\xae\xa2"}, {"\x8f\xf1\xe2\xe0"}}));
  form->ToolButton5->trigger();
  form->Panel5->Button3->click();
  EXPECT_EQ(Sheet().Cell(1, 1), "\x88\xa2\xa0\xad\xae\xa2");
  EXPECT_EQ(&Sheet().page, &office::TextPage::Of(ui::CodePage::Dos866));
  form->cbCheckBox1->click();
  ASSERT_EQ(form->Table().Page(), ui::CodePage::Windows1251);
  form->ToolButton5->trigger();
  form->Panel5->Button3->click();
  EXPECT_EQ(&Sheet().page, &office::TextPage::Of(ui::CodePage::Windows1251));
}

TEST_F(ExportPanelTest, AFailedExportKeepsThePanelOpen) {
  servers.log.failOn = "Visible=true";
  form->ToolButton5->trigger();
  form->Panel5->Button3->click();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"refused: Visible=true"});
  EXPECT_FALSE(form->Panel5->isHidden());
  EXPECT_TRUE(form->ProgressBar1->isHidden());
}

TEST_F(ExportPanelTest, ThePaymentListNeedsItsFields) {
  form->N16->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"В файле нет полей: FIO, ACCOUNT, TIN, SUMMA"});
  EXPECT_TRUE(servers.excels.empty());

  Open(officetest::WriteTable(dir, "pay.dbf",
                              {{"FIO", 'C', 8}, {"ACCOUNT", 'C', 4}, {"TIN", 'C', 4}, {"SUMMA", 'N', 6, 2}},
                              {{"Ann", "1", "2", "5"}}));
  form->N16->trigger();
  EXPECT_EQ(dialogs.messages.back(), "Перенос в MS EXCEL - выполнено!");
  EXPECT_EQ(Sheet().Cell(3, 5), "      5.00");
  EXPECT_EQ(Sheet().Cell(4, 5), " ");  // below the total, in the column after the last field
}

}  // namespace
