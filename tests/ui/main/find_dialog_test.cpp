#include "main_window_fixture.h"

#include "find_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// People: "Иванов" (866), "Bob", "Carol"; sums 12.50, 3.00 and none.
TEST_F(MainWindowTest, FindGoesFromCellToCellAsTheCellsAreDrawn) {
  OpenFromMenu(WritePeople());
  form->FindNext1->trigger();  // nothing to find yet: the dialog comes
  ASSERT_TRUE(form->FindDialog->isVisible());
  EXPECT_EQ(form->FindDialog->ComboBox1->itemText(2).toStdString(), "SUM");
  form->StringGrid1->SetSelectedCell(1, 1);
  const struct {
    const char* text;
    int column;
    bool matchCase;
    QAction* command;
    std::pair<int, int> current;
  } steps[] = {{"O", 0, false, form->FindNext1, {2, 1}},      {"O", 0, false, form->FindNext1, {3, 1}},
               {"O", 0, false, form->FindNext1, {2, 1}},      {"O", 0, false, form->FindPrevious1, {3, 1}},
               {"иВАНОВ", 0, false, form->FindNext1, {1, 1}}, {"3", 2, false, form->FindNext1, {2, 2}},
               {"b", 0, true, form->FindNext1, {2, 1}}};
  for (const auto& step : steps) {
    form->FindDialog->Edit1->setText(QString::fromUtf8(step.text));
    form->FindDialog->ComboBox1->setCurrentIndex(step.column);
    form->FindDialog->cbMatchCase->setChecked(step.matchCase);
    step.command->trigger();
    EXPECT_EQ(std::make_pair(form->StringGrid1->Row(), form->StringGrid1->Col()), step.current) << step.text;
  }
  form->FindDialog->Edit1->setText(QString::fromUtf8("иванов"));
  QTest::mouseClick(form->FindDialog->bNext, Qt::LeftButton);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Текст \"иванов\" не найден."});
  EXPECT_EQ(form->StringGrid1->Row(), 2);  // the current cell stays
}
