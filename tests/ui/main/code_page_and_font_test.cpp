#include "main_window_fixture.h"

#include <QCheckBox>
#include <QTest>

namespace {

QString ShownName(const TForm2& form) {
  return form.StringGrid1->model()->index(0, 0).data().toString();
}

}  // namespace

TEST_F(MainWindowTest, CodePageSwitchCyclesThreeStatesAndChangesOnlyTheDrawing) {
  OpenFromMenu(WritePeople());
  EXPECT_EQ(form->StringGrid1->Page(), ui::CodePage::Windows1251);
  EXPECT_EQ(ShownName(*form), QString::fromUtf16(u"\u20AC\u045E\u00A0\u00AD\u00AE\u045E"));

  QTest::mouseClick(form->cbCheckBox1, Qt::LeftButton);
  EXPECT_EQ(form->cbCheckBox1->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(form->StringGrid1->Page(), ui::CodePage::SystemDefault);

  QTest::mouseClick(form->cbCheckBox1, Qt::LeftButton);
  EXPECT_EQ(form->cbCheckBox1->checkState(), Qt::Checked);
  EXPECT_EQ(form->StringGrid1->Page(), ui::CodePage::Dos866);
  EXPECT_EQ(ShownName(*form), QString::fromUtf8("Иванов"));

  QTest::mouseClick(form->cbCheckBox1, Qt::LeftButton);
  EXPECT_EQ(form->StringGrid1->Page(), ui::CodePage::Windows1251);
  EXPECT_EQ(Cell(1, 1), "\x88\xa2\xa0\xad\xae\xa2");
}

TEST_F(MainWindowTest, CodePageSurvivesLoadingAnotherTable) {
  form->cbCheckBox1->setCheckState(Qt::Checked);
  OpenFromMenu(WritePeople());
  EXPECT_EQ(form->StringGrid1->Page(), ui::CodePage::Dos866);
  EXPECT_EQ(ShownName(*form), QString::fromUtf8("Иванов"));
}

TEST_F(MainWindowTest, FontChoiceNeedsTheGridAndTakesTheDialogsFont) {
  form->N4->trigger();
  form->ToolButton9->trigger();
  EXPECT_TRUE(dialogs.fontRequests.empty());

  OpenFromMenu(WritePeople());
  QFont chosen(QStringLiteral("DejaVu Sans Mono"), 14);
  dialogs.fontAnswers.push_back(chosen);
  form->ToolButton9->trigger();
  ASSERT_EQ(dialogs.fontRequests.size(), 1u);
  EXPECT_EQ(dialogs.fontRequests[0].minSize, 2);
  EXPECT_EQ(dialogs.fontRequests[0].maxSize, 26);
  EXPECT_EQ(dialogs.fontRequests[0].presetSize, 8);
  EXPECT_EQ(form->StringGrid1->font().pointSize(), 14);

  dialogs.fontAnswers.push_back(std::nullopt);
  form->N4->trigger();  // cancelled: the font stays
  EXPECT_EQ(form->StringGrid1->font().pointSize(), 14);
}
