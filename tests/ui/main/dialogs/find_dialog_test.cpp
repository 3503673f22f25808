#include "main_window_fixture.h"

#include "find_dialog.h"

#include <QComboBox>
#include <QTest>

// People: "Иванов" (866), "Bob", "Carol"; sums 12.50, 3.00 and none.
TEST_F(MainWindowTest, FindSearchesFromTheCurrentCellAndTellsWhenNothingMatches) {
  OpenFromMenu(WritePeople());
  form->Controls().FindNext1->trigger();  // nothing to find yet: the dialog comes
  ASSERT_TRUE(form->Controls().FindDialog->isVisible());
  EXPECT_EQ(form->Controls().FindDialog->ComboBox1->itemText(2).toStdString(), "SUM");
  const auto current = [this] { return std::make_pair(form->Controls().StringGrid1->Row(), form->Controls().StringGrid1->Col()); };
  form->Controls().StringGrid1->SetSelectedCell(1, 1);
  form->Controls().FindDialog->Edit1->setText(QStringLiteral("O"));
  form->Controls().FindNext1->trigger();
  EXPECT_EQ(current(), std::make_pair(2, 1));
  form->Controls().FindPrevious1->trigger();  // back round the start
  EXPECT_EQ(current(), std::make_pair(3, 1));
  form->Controls().FindDialog->Edit1->setText(QStringLiteral("3"));
  form->Controls().FindDialog->ComboBox1->setCurrentIndex(2);
  QTest::mouseClick(form->Controls().FindDialog->bNext, Qt::LeftButton);
  EXPECT_EQ(current(), std::make_pair(2, 2));

  form->Controls().FindDialog->Edit1->setText(QString::fromUtf8("иванов"));
  form->Controls().FindDialog->ComboBox1->setCurrentIndex(0);
  form->Controls().FindDialog->cbMatchCase->setChecked(true);
  form->Controls().FindNext1->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Текст \"иванов\" не найден."});
  EXPECT_EQ(current(), std::make_pair(2, 2));  // the current cell stays
}
