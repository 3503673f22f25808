// Whether a person can reach every button: whole inside every widget around it
// (a panel cut by its area's edge hides the rest), its window inside the screen.
// On a real display tests/desktop/reporting_launcher.cpp appends the report to
// the file DBFVIEW_BUTTON_REPORT names at Ctrl+Shift+F12, ending with "end".
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

// Tab-separated lines: verdict, kind, caption, x, y, width, height, window title.
QStringList ButtonReach(QWidget& window);
// The lines of ButtonReach that tell of something out of reach.
QStringList ButtonsOutOfReach(QWidget& window);
// Installs the report on request when the environment asks for it.
void InstallButtonReportOnRequest();

}  // namespace ui
