// The program as it starts, with the report of where the buttons of its
// windows lie (button_reach.h) on request, for the checks on a real display.
#include "button_reach.h"
#include "program_start.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::InstallButtonReportOnRequest();
  return RunProgram(argc, argv);
}
