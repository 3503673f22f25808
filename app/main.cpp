// Starts the program: the application, then the program's start in it.
#include "program_start.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return RunProgram(argc, argv);
}
