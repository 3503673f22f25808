#include "main_window_fixture.h"

#include "button_reach.h"
#include "sele_rec_form.h"
#include "task_panel.h"

#include <QApplication>


// The offscreen screen (800 x 600) is smaller than the main window's design
// size (1000 x 700): the window, every task panel over the grid and the
// operations dialog still keep every button whole and in reach.
TEST_F(MainWindowTest, EveryPanelAndDialogKeepsItsButtonsInReachOnASmallScreen) {
  OpenFromMenu(WritePeople());
  const struct {
    const char* what;
    std::function<void()> show;
    QWidget* shown;
  } cases[] = {
      {"main window", [] {}, form.get()},
      {"sort panel", [&] { form->Controls().Sortedfile1->trigger(); }, form->Controls().Panel3},
      {"report panel", [&] { form->Controls().ToolButton3->trigger(); }, form->Controls().Panel4},
      {"export panel", [&] { form->Controls().ToolButton5->trigger(); }, form->Controls().Panel5},
      {"repair panel", [&] { form->Controls().N10->trigger(); }, form->Controls().Panel6},
      {"rename panel", [&] { form->Controls().N11->trigger(); }, form->Controls().Panel7},
      // Its command wants a table without records; the panel is the same.
      {"new field panel", [&] { form->Controls().Panel8->show(); }, form->Controls().Panel8},
      {"operations dialog", [&] { form->Controls().N14->trigger(); }, form->Controls().SeleRecForm.get()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.show();
    QApplication::processEvents();
    ASSERT_TRUE(c.shown->isVisible());
    EXPECT_EQ(ui::ButtonsOutOfReach(*c.shown->window()).join(QLatin1Char('\n')).toStdString(), "");
    if (auto* panel = dynamic_cast<TaskPanel*>(c.shown)) panel->ExitButton()->click();
    if (c.shown != form.get() && c.shown->isWindow()) c.shown->close();
  }
}
