#include "main_window_fixture.h"

#include "task_panel.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

// A first start shows menus, toolbars and an empty path strip at the top,
// as high as its text (the grid area takes the rest, also once a table is
// shown); the table commands do nothing until a table is open.
TEST_F(MainWindowTest, StartsWithOnlyMenusToolbarsAndAnEmptyPathStripAtTheTop) {
  // The design size 1000 x 700 where the screen has room; the offscreen
  // screen is 800 wide: the window takes its width.
  const QRect screen = form->screen()->availableGeometry();
  EXPECT_EQ(form->height(), 700);
  EXPECT_TRUE(screen.contains(form->frameGeometry()));
  EXPECT_GT(form->width(), screen.width() - 20);
  EXPECT_TRUE(form->Controls().StringGrid1->isHidden());
  EXPECT_TRUE(form->Controls().Panel1->isHidden());
  EXPECT_EQ(Shown(form->Controls().StaticText2), "");
  EXPECT_EQ(form->Controls().cbCheckBox1->checkState(), Qt::Unchecked);
  EXPECT_EQ(transferBufferEmptied, 1);
  EXPECT_TRUE(form->Table().TablePath().empty());
  const auto expectAtTop = [&](const char* when) {
    QApplication::processEvents();
    EXPECT_EQ(form->Controls().Panel2->y(), 0) << when;
    EXPECT_EQ(form->Controls().Panel2->height(), form->Controls().Panel2->sizeHint().height()) << when;
    EXPECT_EQ(form->Controls().GridArea->y(), form->Controls().Panel2->height()) << when;
  };
  expectAtTop("before a table");

  for (QAction* command : {form->Controls().N11, form->Controls().ToolButton3, form->Controls().ToolButton5,
                           form->Controls().SavetoMSEXCEL1, form->Controls().Addnewfield1}) {
    command->trigger();
  }
  for (QWidget* panel : std::initializer_list<QWidget*>{form->Controls().Panel3, form->Controls().Panel4, form->Controls().Panel5,
                                                        form->Controls().Panel6, form->Controls().Panel7, form->Controls().Panel8}) {
    EXPECT_TRUE(panel->isHidden());
  }
  EXPECT_FALSE(form->GridShown());
  EXPECT_FALSE(form->PathGiven());
  EXPECT_TRUE(dialogs.messages.empty());
  // Commands without a guard work at once.
  form->Controls().Sortedfile1->trigger();
  EXPECT_FALSE(form->Controls().Panel3->isHidden());
  form->Controls().N10->trigger();
  EXPECT_FALSE(form->Controls().Panel6->isHidden());

  OpenFromMenu(WritePeople());
  expectAtTop("with a table");
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
