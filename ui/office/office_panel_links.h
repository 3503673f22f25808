// What the report and export panels need from the main window.
#pragma once

#include "code_points.h"

#include <functional>
#include <string>

class QProgressBar;

namespace ui {
class DialogService;
class EventGuard;
class FileServices;
class StringGrid;
}  // namespace ui

namespace office {

struct OfficeSession;

struct OfficePanelLinks {
  ui::DialogService& dialogs;
  ui::EventGuard& guard;
  OfficeSession& session;
  // The record grid StringGrid1: whether a table is shown, its column
  // headers and its size.
  ui::StringGrid& recordGrid;
  // The bottom panel's progress bar, which the exports advance.
  QProgressBar& progressBar1;
  // The current table's path (TablePath) at the moment of asking.
  std::function<std::string()> tablePath;
  // The code page the current table's text is in, at the moment of asking.
  std::function<ui::CodePage()> tablePage;
  // What the report file and the word processor's template are written through.
  ui::FileServices& files;
};

}  // namespace office
