// What the benchmarks of the windows share: a launcher that opens nothing,
// and a main that runs the benchmarks inside a headless application with
// settings and versions of its own.
#pragma once

#include "desktop_launcher.h"

#include <QApplication>
#include <QFile>
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
  // The windows' settings and the versions kept before each write go to a
  // folder of the run's own: no run inherits (or prunes) another's versions.
  QApplication::setOrganizationName(QStringLiteral("dbfview-bench"));
  QTemporaryDir runDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, runDir.path());
  qputenv("XDG_CACHE_HOME", QFile::encodeName(runDir.filePath(QStringLiteral("cache"))));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench
