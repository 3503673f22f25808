#include "main_window_fixture.h"

#include "task_panel.h"

#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

TEST_F(MainWindowTest, StartsWithOnlyMenusToolbarsAndAnEmptyPathStrip) {
  EXPECT_EQ(form->windowTitle().toStdString(), "View and correct file DBF :   " DBFVIEW_VERSION);
  // The design size 1000 x 700 where the screen has room; the offscreen
  // screen is 800 wide: the window takes its width.
  const QRect screen = form->screen()->availableGeometry();
  EXPECT_EQ(form->height(), 700);
  EXPECT_TRUE(screen.contains(form->frameGeometry()));
  EXPECT_GT(form->width(), screen.width() - 20);
  EXPECT_TRUE(form->StringGrid1->isHidden());
  EXPECT_TRUE(form->Panel1->isHidden());
  EXPECT_EQ(Shown(form->Label5), "FILE :");
  EXPECT_EQ(Shown(form->StaticText2), "");
  for (QWidget* panel : std::initializer_list<QWidget*>{form->Panel3, form->Panel4, form->Panel5, form->Panel6, form->Panel7, form->Panel8}) {
    EXPECT_TRUE(panel->isHidden());
  }
  EXPECT_EQ(form->cbCheckBox1->checkState(), Qt::Unchecked);
  EXPECT_EQ(transferBufferEmptied, 1);
  EXPECT_TRUE(form->Table().TablePath().empty());
}

TEST_F(MainWindowTest, MenusAndToolbarsCarryTheirCaptionsAndHints) {
  QStringList menus;
  for (QAction* a : form->menuBar()->actions()) menus << QString::fromStdString(Caption(a));
  EXPECT_EQ(menus, QStringList({QString::fromUtf8("Файлы"), QString::fromUtf8("Операции"),
                                QString::fromUtf8("Прочие операции"), QString::fromUtf8("Поиск"),
                                QString::fromUtf8("Выход")}));
  EXPECT_EQ(Caption(form->Deletedfield1), "Deleted field ");
  EXPECT_EQ(Caption(form->N13), "Скопировать из файла :");
  EXPECT_EQ(form->ToolButton3->toolTip().toStdString(), "Печать в текстовый файл и MS  WORD");
  EXPECT_EQ(form->ToolButton4->toolTip().toStdString(), "Сохранить  файл ");
  EXPECT_EQ(form->ToolButton6->toolTip().toStdString(), "Отетка удаления записи");
  EXPECT_EQ(form->ToolBar2->toolTip().toStdString(), "Удаление отмеченных записей.");
  EXPECT_EQ(form->cbCheckBox1->text().toStdString(), "Кодировка (DOS, Windows) ");
  EXPECT_EQ(form->Panel3->Title()->text().toStdString(), "Сортировка файла типа \"DBF\"");
  EXPECT_EQ(form->Panel3->ExitButton()->text().toStdString(), "Exit");
}
