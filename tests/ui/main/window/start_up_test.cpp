#include "main_window_fixture.h"

#include "task_panel.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

TEST_F(MainWindowTest, StartsWithOnlyMenusToolbarsAndAnEmptyPathStrip) {
  // The design size 1000 x 700 where the screen has room; the offscreen
  // screen is 800 wide: the window takes its width.
  const QRect screen = form->screen()->availableGeometry();
  EXPECT_EQ(form->height(), 700);
  EXPECT_TRUE(screen.contains(form->frameGeometry()));
  EXPECT_GT(form->width(), screen.width() - 20);
  EXPECT_TRUE(form->Controls().StringGrid1->isHidden());
  EXPECT_TRUE(form->Controls().Panel1->isHidden());
  EXPECT_EQ(Shown(form->Controls().Label5), "FILE :");
  EXPECT_EQ(Shown(form->Controls().StaticText2), "");
  for (QWidget* panel : std::initializer_list<QWidget*>{form->Controls().Panel3, form->Controls().Panel4, form->Controls().Panel5, form->Controls().Panel6, form->Controls().Panel7, form->Controls().Panel8}) {
    EXPECT_TRUE(panel->isHidden());
  }
  EXPECT_EQ(form->Controls().cbCheckBox1->checkState(), Qt::Unchecked);
  EXPECT_EQ(transferBufferEmptied, 1);
  EXPECT_TRUE(form->Table().TablePath().empty());
}

TEST_F(MainWindowTest, MenusAndToolbarsCarryTheirCaptionsAndHints) {
  QStringList menus;
  for (QAction* a : form->menuBar()->actions()) menus << QString::fromStdString(Caption(a));
  EXPECT_EQ(menus, QStringList({QString::fromUtf8("Файлы"), QString::fromUtf8("Операции"),
                                QString::fromUtf8("Прочие операции"), QString::fromUtf8("Поиск"),
                                QString::fromUtf8("Выход")}));
  EXPECT_EQ(Caption(form->Controls().Deletedfield1), "Deleted field ");
  EXPECT_EQ(Caption(form->Controls().N13), "Скопировать из файла :");
  EXPECT_EQ(form->Controls().ToolButton4->toolTip().toStdString(), "Сохранить  файл ");
  EXPECT_EQ(form->Controls().ToolButton6->toolTip().toStdString(), "Отетка удаления записи");
  EXPECT_EQ(form->Controls().ToolBar2->toolTip().toStdString(), "Удаление отмеченных записей.");
  EXPECT_EQ(form->Controls().cbCheckBox1->text().toStdString(), "Кодировка (DOS, Windows) ");
  EXPECT_EQ(form->Controls().Panel3->ExitButton()->text().toStdString(), "Exit");
}

namespace {

// Every command of the menus (their submenus included) and the toolbars.
std::vector<QAction*> MenuAndToolbarActions(TForm2& form) {
  std::vector<QAction*> actions;
  const auto take = [&](const auto& self, const QList<QAction*>& list) -> void {
    for (QAction* a : list) {
      if (a->menu()) self(self, a->menu()->actions());
      else if (!a->isSeparator() && std::find(actions.begin(), actions.end(), a) == actions.end()) actions.push_back(a);
    }
  };
  take(take, form.menuBar()->actions());
  for (QToolBar* bar : form.findChildren<QToolBar*>()) take(take, bar->actions());
  return actions;
}

}  // namespace

// A command a menu or toolbar offers runs a handler when it is triggered:
// every one, with a table open and every dialog it asks answered "Cancel".
TEST_F(MainWindowTest, EveryMenuAndToolbarCommandRunsAHandler) {
  OpenFromMenu(WritePeople());
  int commands = 0;
  guard.AfterEachCommand([&] { ++commands; });
  const std::vector<QAction*> actions = MenuAndToolbarActions(*form);
  EXPECT_GE(actions.size(), 40u);
  for (QAction* action : actions) {
    const int before = commands;
    for (int i = 0; i < 4; ++i) {
      dialogs.openAnswers.emplace_back(), dialogs.saveAnswers.emplace_back(), dialogs.askAnswers.push_back(false);
      dialogs.fontAnswers.emplace_back(), dialogs.textAnswers.emplace_back();
      dialogs.saveChangesAnswers.push_back(ui::SaveAnswer::Cancel);
    }
    action->setEnabled(true);
    action->trigger();
    EXPECT_EQ(commands, before + 1) << Caption(action);
    dialogs.openAnswers.clear(), dialogs.saveAnswers.clear(), dialogs.askAnswers.clear();
    dialogs.fontAnswers.clear(), dialogs.textAnswers.clear(), dialogs.saveChangesAnswers.clear();
  }
}
