// What the main window does about unsaved edits and kept versions: which
// commands ask about the edits before they run, and where versions are kept.
#include "main_window.h"

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
// the grid again from the changed file; undo too. Exit and Close end the
// program. (Opening asks once a file is chosen, the window's close in
// closeEvent.)
bool TForm2::DropsEdits(QObject* control) const {
  const std::initializer_list<const QObject*> commands{ToolButton8, ToolButton2, Deleterecord1, N12,    Button5,
                                                       N13,         Undo1,       Reload1,       N2,     bbClose};
  return std::find(commands.begin(), commands.end(), control) != commands.end();
}

std::function<void()> TForm2::EditsFirst(QObject* control, std::function<void()> handler) {
  return [this, control, handler = std::move(handler)] {
    if (DropsEdits(control) && !unsavedEdits_->Settled()) return;
    handler();
  };
}

std::string TForm2::VersionsFolder() const {
  if (!links_.versionsFolder.empty()) return links_.versionsFolder;
  QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (base.isEmpty()) base = QDir::tempPath() + QStringLiteral("/dbfview");
  return (base + QStringLiteral("/versions")).toStdString();
}

void TForm2::OfferInterruptedWrites() { tableUndo_->OfferInterruptedWrites(); }
