// The sort panel's run end to end on the 1,000,000-record table (about
// 100 MB, every 10th record marked deleted) shown in the main window: keys
// SUM descending and NAME ascending typed into the key grid, "Sorted" pressed,
// until its message. Reported: the seconds of the run, the process's growth
// during it (peak_MB, bytes_per_record), and x_engine, the run against the
// engine's own sort of the same table on the same keys measured in the same
// program, which shows what the panel adds to the sort.
// Usage: sort_panel_bench [Google Benchmark flags]
#include "bench_support.h"
#include "dbf2_lib.h"
#include "main_window_bench.h"
#include "sort_panel.h"
#include "sort_panel_keys.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace {

constexpr int64_t kRecords = 1000000;

double EngineSortSeconds(const std::string& table, const std::string& target) {
  const auto start = std::chrono::steady_clock::now();
  dbf::Dbf2_lib db;
  db.DbfAssign(1, table);
  db.DbfAssign(2, target);
  db.DbfSortInit(1);
  db.DbfSortAddKey("SUM", 2);
  db.DbfSortAddKey("NAME", 1);
  db.DbfSortTo(1, 2);
  return bench::SecondsSince(start);
}

void BM_SortPanelRun(benchmark::State& state) {
  const bench::BenchTable& table = bench::SharedBenchTable(kRecords, 10);
  const std::string target = table.path + ".sorted";
  bench::MainWindowServices services;
  TForm2 form(services.Links());
  form.show();
  form.OpenAtStart(table.path);
  form.Controls().Sortedfile1->trigger();
  bench::EnterSortKeys(*form.Controls().Panel3, target);
  QApplication::processEvents();
  const double engine = EngineSortSeconds(table.path, target);

  double seconds = 0;
  double growth = 0;
  for (auto _ : state) {
    state.PauseTiming();
    services.dialogs.messages.clear();
    const bool reset = bench::ResetPeakMemory();
    const int64_t before = bench::ProcStatusBytes(reset ? "VmRSS" : "VmHWM");
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    form.Controls().Panel3->Button1->click();
    seconds += bench::SecondsSince(start);
    state.PauseTiming();
    growth = std::max(growth, static_cast<double>(bench::ProcStatusBytes("VmHWM") - before));
    if (services.dialogs.messages != std::vector<std::string>{"Сортировка выполнена!"}) {
      state.SkipWithError("the sort panel did not report a finished sort");
    }
    state.ResumeTiming();
  }
  std::filesystem::remove(target);
  const double perRun = seconds / static_cast<double>(state.iterations());
  state.counters["seconds"] = perRun;
  state.counters["engine_seconds"] = engine;
  state.counters["x_engine"] = perRun / engine;
  state.counters["peak_MB"] = growth / 1e6;
  state.counters["bytes_per_record"] = growth / kRecords;
}

}  // namespace

BENCHMARK(BM_SortPanelRun)->Iterations(2)->Unit(benchmark::kSecond)->UseRealTime();

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
