#include "main_window_fixture.h"
#include "structure_test_support.h"

#include "task_panel.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

namespace {

// New fields go only into a table without records.
std::string WriteEmptyTable(const testsupport::TempDir& dir) {
  const std::string path = dir.Path("empty.dbf");
  testsupport::WriteFile(path, structuretest::EmptyTable({{"NAME", 'C', 10}}));
  return path;
}

}  // namespace

TEST_F(MainWindowTest, TableCommandsDoNothingBeforeATableIsOpen) {
  form->N11->trigger();
  form->ToolButton3->trigger();
  form->ToolButton5->trigger();
  form->SavetoMSEXCEL1->trigger();
  form->Addnewfield1->trigger();
  for (QWidget* panel : std::initializer_list<QWidget*>{form->Panel4, form->Panel5, form->Panel7, form->Panel8}) {
    EXPECT_TRUE(panel->isHidden());
  }
  EXPECT_FALSE(form->GridShown());
  EXPECT_FALSE(form->PathGiven());
  EXPECT_TRUE(dialogs.messages.empty());

  // Commands without a guard work at once.
  form->Sortedfile1->trigger();
  form->N10->trigger();
  EXPECT_FALSE(form->Panel3->isHidden());
  EXPECT_FALSE(form->Panel6->isHidden());
}

TEST_F(MainWindowTest, PanelsShowOverTheGridAndCloseByTheirButtons) {
  OpenFromMenu(WritePeople());
  form->N11->trigger();
  form->ToolButton5->trigger();
  EXPECT_FALSE(form->Panel7->isHidden());
  EXPECT_FALSE(form->Panel5->isHidden());
  EXPECT_FALSE(form->Button3->isHidden());
  form->Panel7->ExitButton()->click();
  EXPECT_TRUE(form->Panel7->isHidden());
  EXPECT_FALSE(form->Panel5->isHidden());

  OpenFromMenu(WriteEmptyTable(dir));
  form->Addnewfield1->trigger();
  EXPECT_FALSE(form->Panel8->isHidden());
  form->FormActivate();
  EXPECT_TRUE(form->Panel8->isHidden());
}

TEST_F(MainWindowTest, PathGuardLooksAtTheTrimmedPath) {
  form->Table().TablePath = "   ";
  EXPECT_FALSE(form->PathGiven());
  form->Table().TablePath = " a.dbf ";
  EXPECT_TRUE(form->PathGiven());
}

namespace {

// Shows a modal dialog, as a message box or a file dialog asked from a
// handler, and closes it again.
void AnswerADialog(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setModal(true);
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
}

}  // namespace

TEST_F(MainWindowTest, NewFieldPanelOutlivesDialogsButNotOtherWindows) {
  OpenFromMenu(WriteEmptyTable(dir));
  form->activateWindow();
  QApplication::processEvents();
  form->Addnewfield1->trigger();
  AnswerADialog(form.get());
  form->activateWindow();
  QApplication::processEvents();
  EXPECT_FALSE(form->Panel8->isHidden());

  // The raw view asks for its file, shows it and hands the activation back.
  AnswerADialog(form.get());
  QWidget other;
  other.show();
  other.activateWindow();
  QApplication::processEvents();
  other.hide();
  form->activateWindow();
  QApplication::processEvents();
  EXPECT_TRUE(form->Panel8->isHidden());
}
