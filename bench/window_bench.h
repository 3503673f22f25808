// What the benchmarks of the windows share: a launcher that opens nothing,
// and a main that runs the benchmarks inside a headless application with
// settings of its own.
#pragma once

#include "desktop_launcher.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace bench {

struct NoLauncher : ui::FileLauncher {
  bool Open(const std::string&) override { return false; }
};

inline int RunWindowBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The windows' settings go to a folder of the run's own.
  QApplication::setOrganizationName(QStringLiteral("dbfview-bench"));
  QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench
