#include "main_window_fixture.h"
#include "structure_test_support.h"

#include "button_reach.h"
#include "sele_rec_form.h"
#include "task_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTest>

namespace {

struct PanelCommand {
  const char* what;
  std::function<void(TForm2&)> open;
  TaskPanel* (*panel)(TForm2&);
};

// Every task panel by its command; the new-field panel's command wants a
// table without records, and shows the panel as "Create File" does.
const PanelCommand kPanelCommands[] = {
    {"sort", [](TForm2& f) { f.Controls().Sortedfile1->trigger(); }, [](TForm2& f) -> TaskPanel* { return f.Controls().Panel3; }},
    {"report", [](TForm2& f) { f.Controls().ToolButton3->trigger(); }, [](TForm2& f) -> TaskPanel* { return f.Controls().Panel4; }},
    {"export", [](TForm2& f) { f.Controls().ToolButton5->trigger(); }, [](TForm2& f) -> TaskPanel* { return f.Controls().Panel5; }},
    {"repair", [](TForm2& f) { f.Controls().N10->trigger(); }, [](TForm2& f) -> TaskPanel* { return f.Controls().Panel6; }},
    {"rename", [](TForm2& f) { f.Controls().N11->trigger(); }, [](TForm2& f) -> TaskPanel* { return f.Controls().Panel7; }},
    {"new field", [](TForm2& f) { f.Controls().Panel8->Prepare(); }, [](TForm2& f) -> TaskPanel* { return f.Controls().Panel8; }},
};

std::vector<std::string> ShownPanels(TForm2& form) {
  std::vector<std::string> shown;
  for (const PanelCommand& c : kPanelCommands) {
    if (!c.panel(form)->isHidden()) shown.push_back(c.what);
  }
  return shown;
}

// Shows a modal dialog, as a message box or a file dialog asked from a
// handler, and closes it again.
void AnswerADialog(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setModal(true);
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
}

void PressEscape(TaskPanel& panel) {
  QWidget* focus = panel.focusWidget();
  ASSERT_TRUE(focus && panel.isAncestorOf(focus)) << "the focus is not in the panel";
  QTest::keyClick(focus, Qt::Key_Escape);
}

}  // namespace

// The offscreen screen (800 x 600) is smaller than the main window's design
// size (1000 x 700): the window, every task panel over the grid and the
// operations dialog still keep every button whole and in reach.
TEST_F(MainWindowTest, ATaskPanelReplacesTheOneShownClosesOnEscapeAndKeepsItsButtonsInReach) {
  OpenFromMenu(WritePeople());
  const auto outOfReach = [](QWidget& window) {
    QApplication::processEvents();
    return ui::ButtonsOutOfReach(window).join(QLatin1Char('\n')).toStdString();
  };
  EXPECT_EQ(outOfReach(*form), "");
  for (const PanelCommand& first : kPanelCommands) {
    for (const PanelCommand& second : kPanelCommands) {
      SCOPED_TRACE(std::string(first.what) + " then " + second.what);
      first.open(*form);
      second.open(*form);
      EXPECT_EQ(ShownPanels(*form), std::vector<std::string>{second.what});
      PressEscape(*second.panel(*form));
      EXPECT_EQ(ShownPanels(*form), std::vector<std::string>{});
    }
  }
  // The exit buttons close them too; no question came up, nothing was typed.
  for (const PanelCommand& c : kPanelCommands) {
    c.open(*form);
    EXPECT_EQ(outOfReach(*form), "") << c.what;
    c.panel(*form)->ExitButton()->click();
    EXPECT_TRUE(c.panel(*form)->isHidden()) << c.what;
  }
  EXPECT_TRUE(dialogs.questions.empty());
  form->Controls().N14->trigger();
  ASSERT_TRUE(form->Controls().SeleRecForm->isVisible());
  EXPECT_EQ(outOfReach(*form->Controls().SeleRecForm), "");
  form->Controls().SeleRecForm->close();
}

// Typed input is asked about before another panel (or the same one afresh)
// takes its place; "No" keeps it as it was. Input that has done its work, or
// a value set back to what the panel opened with, is not asked about.
TEST_F(MainWindowTest, APanelHoldingTypedInputIsClosedOnlyWhenThePersonAgrees) {
  OpenFromMenu(WritePeople());
  const std::string question = "Сортировка файла типа \"DBF\"|Закрыть панель \"Сортировка файла типа \"DBF\"\"?\r\n"
                               "Введённое в ней будет потеряно.";
  const struct {
    const char* what;
    std::function<void()> type;
  } inputs[] = {
      {"an edit box", [&] { QTest::keyClicks(form->Controls().Panel3->Edit5, "sorted.dbf"); }},
      {"a key cell", [&] { form->Controls().Panel3->StringGrid2->SetCell(1, 1, "NAME"); }},
      {"the key count", [&] { form->Controls().Panel3->ComboBox1->setCurrentIndex(2); }},
  };
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.what);
    dialogs.questions.clear();
    const auto sortInputs = [&] {
      return form->Controls().Panel3->Edit5->text().toStdString() + "|" + form->Controls().Panel3->StringGrid2->Cell(1, 1) + "|" +
             form->Controls().Panel3->ComboBox1->currentText().toStdString();
    };
    form->Controls().Sortedfile1->trigger();
    input.type();
    const std::string typed = sortInputs();
    for (QAction* other : {form->Controls().N11, form->Controls().Sortedfile1}) {
      dialogs.askAnswers.push_back(false);
      other->trigger();
      EXPECT_EQ(ShownPanels(*form), std::vector<std::string>{"sort"});
      EXPECT_EQ(sortInputs(), typed);
    }
    dialogs.askAnswers.push_back(true);
    form->Controls().N11->trigger();
    EXPECT_EQ(ShownPanels(*form), std::vector<std::string>{"rename"});
    EXPECT_EQ(dialogs.questions, std::vector<std::string>(3, question));
    form->Controls().Panel7->ExitButton()->click();
  }

  dialogs.questions.clear();
  form->Controls().Sortedfile1->trigger();
  QTest::keyClicks(form->Controls().Panel3->Edit5, "x");
  QTest::keyClick(form->Controls().Panel3->Edit5, Qt::Key_Backspace);
  form->Controls().N10->trigger();
  EXPECT_EQ(ShownPanels(*form), std::vector<std::string>{"repair"});
  // A field renamed: the new name has done its work.
  form->Controls().N11->trigger();
  form->Controls().Panel7->Edit12->setText("OK");
  form->Controls().Panel7->Edit13->setText("FINE");
  form->Controls().Panel7->Button15->click();
  EXPECT_EQ(Cell(0, 3), "FINE");
  form->Controls().N10->trigger();
  EXPECT_EQ(ShownPanels(*form), std::vector<std::string>{"repair"});
  EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(MainWindowTest, NewFieldPanelOutlivesDialogsButNotOtherWindows) {
  // New fields go only into a table without records.
  testsupport::WriteFile(dir.Path("empty.dbf"), structuretest::EmptyTable({{"NAME", 'C', 10}}));
  OpenFromMenu(dir.Path("empty.dbf"));
  form->activateWindow();
  QApplication::processEvents();
  form->Controls().Addnewfield1->trigger();
  AnswerADialog(form.get());
  form->activateWindow();
  QApplication::processEvents();
  EXPECT_FALSE(form->Controls().Panel8->isHidden());

  // The raw view asks for its file, shows it and hands the activation back.
  AnswerADialog(form.get());
  QWidget other;
  other.show();
  other.activateWindow();
  QApplication::processEvents();
  other.hide();
  form->activateWindow();
  QApplication::processEvents();
  EXPECT_TRUE(form->Controls().Panel8->isHidden());
}
