// Whether a person can reach every button of the program's windows: a
// button must lie whole inside every widget it sits in (a panel cut by the
// edge of the area it floats over hides what lies past the edge), inside its
// window, and the window inside its screen. A button in a scrolling area is
// first scrolled into view, as a person would.
//
// For checks on a real display the program's test launcher
// (tests/desktop/reporting_launcher.cpp) writes the report on request:
// with DBFVIEW_BUTTON_REPORT naming a file, Ctrl+Shift+F12 appends to
// that file one line per shown window, per button of it, per title of its
// menu bar and per item of an open menu, each starting with "ok" or "cut",
// and then a line "end".
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

// The lines for `window`: verdict, kind ("window", "button", "menu",
// "item"), caption, x, y, width, height (device-independent pixels) and
// the window's title, separated by tabs.
QStringList ButtonReach(QWidget& window);
// The lines of ButtonReach that tell of something out of reach.
QStringList ButtonsOutOfReach(QWidget& window);
// Installs the report on request when the environment asks for it.
void InstallButtonReportOnRequest();

}  // namespace ui
