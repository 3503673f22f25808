// What the main window needs from the rest of the program. The program wires
// the real services; tests wire scripted ones.
#pragma once

#include "desktop_launcher.h"
#include "dialog_service.h"
#include "event_guard.h"

#include <functional>
#include <string>

class QWidget;
namespace office {
class OfficeAutomation;
}
namespace ui {
class FileServices;
}

struct MainWindowLinks {
  ui::DialogService& dialogs;
  ui::EventGuard& guard;
  // Shows files that are not tables with the desktop's program for them.
  ui::FileLauncher& launcher;
  // Shows a file in the raw view: mode 2 shows `fileName`, any other mode
  // lets the raw view ask for the file. The raw view disables `caller` while
  // it is shown. Empty until the raw view is linked in: the commands that
  // use it then do nothing.
  std::function<void(QWidget* caller, int mode, const std::string& fileName)> openRawView;
  // Empties the raw view's process-wide transfer buffer; may be empty.
  std::function<void()> emptyTransferBuffer;
  // The spreadsheet and word-processor servers of the report, the exports and
  // the spreadsheets shown; none: files written into the user's cache folder
  // and opened through `launcher`.
  office::OfficeAutomation* office = nullptr;
  // Where the tables are kept as they were before each change, for undo;
  // empty: the folder "versions" in the user's cache.
  std::string versionsFolder = {};
  // The file services every write of the window goes through, shared with
  // the raw view; none: the window's own, on the system's file system.
  ui::FileServices* files = nullptr;
};
