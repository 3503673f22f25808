// What the main window's task panels, dialogs and commands work with instead
// of the window itself: the open table (which also fills the grid and its
// status texts), the record grid, the progress bar, and the services every
// command runs with, the file services its writes go through among them. The window builds one and hands it to each of them; it
// keeps its menus and routes their commands to them.
#pragma once

#include "file_services.h"
#include "open_table.h"

#include <functional>

class QAbstractButton;
class QAction;
class QProgressBar;
class QWidget;
namespace ui {
class DialogService;
class EventGuard;
class StringGrid;
}  // namespace ui

struct TableContext {
  OpenTable& table;
  ui::StringGrid& grid;     // the record grid StringGrid1
  QProgressBar* progress;   // the bottom panel's ProgressBar1
  ui::DialogService& dialogs;
  ui::EventGuard& guard;
  QWidget& window;          // the main window, hidden or disabled while a dialog of its own is up
  QWidget& panelArea;       // where the task panels float over the grid
  ui::FileServices& files;  // every write of a command, the engine's included

  // The guards of the table commands: the grid is shown; a table path is given.
  bool GridShown() const;
  bool PathGiven() const;
  // Runs the handler through the guard when the button is clicked.
  void Hook(QAbstractButton* button, std::function<void()> handler) const;
};
