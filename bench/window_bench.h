// What the benchmarks of the windows share: a launcher that opens nothing,
// and a main that runs the benchmarks inside a headless application.
#pragma once

#include "desktop_launcher.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace bench {

struct NoLauncher : ui::FileLauncher {
  bool Open(const std::string&) override { return false; }
};

inline int RunWindowBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench
