// What the main window does about unsaved edits and kept versions: which
// commands ask about the edits before they run, and where versions are kept.
#include "main_window.h"

#include "qt_translations.h"
#include "record_editing.h"
#include "record_store.h"
#include "table_undo.h"
#include "unsaved_edits.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>
#include <initializer_list>
#include <utility>

// The deletion commands, zero removal and the copy from another table fill
// the grid again from the changed file. Exit and Close end the program.
// (Opening asks once a file is chosen, the window's close in closeEvent,
// undo once no grid edit is left.)
bool TForm2::DropsEdits(QObject* control) const {
  const std::initializer_list<const QObject*> commands{ToolButton8, ToolButton2, Deleterecord1, N12,   Button5,
                                                       N13,         Reload1,     N2,            bbClose};
  return std::find(commands.begin(), commands.end(), control) != commands.end();
}

std::function<void()> TForm2::EditsFirst(QObject* control, std::function<void()> handler) {
  return [this, control, handler = std::move(handler)] {
    if (DropsEdits(control) && !unsavedEdits_->Settled()) return;
    handler();
  };
}

// The grid's own edits are undone first, one step at a time; once none is
// left, undo goes on to the table's kept versions (which refuse while the
// grid holds edits not saved). Redo likewise.
void TForm2::UndoClick() {
  if (!RecordEditing->UndoGridEdit()) tableUndo_->Undo1Click();
}

void TForm2::RedoClick() {
  if (!RecordEditing->RedoGridEdit()) tableUndo_->Redo1Click();
}

// The undo items name the step they take.
void TForm2::NameUndoSteps() {
  const RecordStore* rows = table_->Rows();
  Undo1->setText(rows && rows->CanUndo() ? ui::Tr("TForm2", "Отменить: правка в таблице")
                                         : QString::fromStdString(tableUndo_->UndoCaption()));
  Redo1->setText(rows && rows->CanRedo() ? ui::Tr("TForm2", "Вернуть: правка в таблице")
                                         : QString::fromStdString(tableUndo_->RedoCaption()));
}

std::string TForm2::VersionsFolder() const {
  if (!links_.versionsFolder.empty()) return links_.versionsFolder;
  QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (base.isEmpty()) base = QDir::tempPath() + QStringLiteral("/dbfview");
  return (base + QStringLiteral("/versions")).toStdString();
}

void TForm2::OfferInterruptedWrites() { tableUndo_->OfferInterruptedWrites(); }
