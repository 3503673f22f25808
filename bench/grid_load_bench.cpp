// Loading the 1,000,000-record table (about 100 MB) into the main window's
// record grid, against one plain read of the same file in the same run.
// Targets: the load takes at most 3 x the plain read (x_read <= 3), and the
// process grows by at most 1.2 x the file's size while loading
// (x_file <= 1.2).
// Usage: grid_load_bench [Google Benchmark flags]
#include "bench_support.h"
#include "code_page_detection.h"
#include "main_window_bench.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

void BM_LoadGrid(benchmark::State& state) {
  const bench::BenchTable& table = bench::SharedBenchTable(1000000, 10);
  const double floor = bench::ReadWholeFileSeconds(table.path);
  bench::MainWindowServices services;
  double seconds = 0;
  double growth = 0;
  std::unique_ptr<TForm2> form;
  for (auto _ : state) {
    state.PauseTiming();
    bench::ShowFreshWindow(form, services);
    const bool reset = bench::ResetPeakMemory();
    const int64_t before = bench::ProcStatusBytes(reset ? "VmRSS" : "VmHWM");
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    form->OpenAtStart(table.path);
    seconds += bench::SecondsSince(start);
    state.PauseTiming();
    QApplication::processEvents();  // the first drawing of the loaded grid
    growth = static_cast<double>(bench::ProcStatusBytes("VmHWM") - before);
    state.ResumeTiming();
  }
  const double size = static_cast<double>(table.fileSize);
  state.SetBytesProcessed(state.iterations() * table.fileSize);
  state.counters["x_read"] = seconds / static_cast<double>(state.iterations()) / floor;
  state.counters["x_file"] = growth / size;
}

}  // namespace

// Telling the table's code page from the letters of its first 100 records,
// as every open does. Target: at most 5 ms (detect_ms).
void BM_DetectCodePage(benchmark::State& state) {
  const bench::BenchTable& table = bench::SharedBenchTable(1000000, 10);
  const std::string bytes = bench::FirstRecords(table.path, 100);
  double seconds = 0;
  for (auto _ : state) {
    seconds += bench::SecondsOf([&] { benchmark::DoNotOptimize(ui::GuessRussianPage(bytes)); });
  }
  state.counters["detect_ms"] = 1000 * seconds / static_cast<double>(state.iterations());
}

BENCHMARK(BM_DetectCodePage)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadGrid)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
