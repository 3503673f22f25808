// Repairing the header of the 1,000,000-record table (about 100 MB) through
// the repair panel, against one plain copy of the same file
// (std::filesystem::copy_file) in the same run. Target: x_copy, the repair's
// time over the copy's, at most 2.
// Usage: repair_bench [Google Benchmark flags]
#include "bench_support.h"
#include "main_window_bench.h"
#include "radio_group.h"
#include "repair_panel.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace {

void BM_RepairHeader(benchmark::State& state) {
  const bench::BenchTable& table = bench::SharedBenchTable(1000000, 10);
  const std::string copyPath = table.path + ".copy";
  const std::string resultPath = table.path + ".repaired";
  bench::MainWindowServices services;
  TForm2 form(services.Links());
  form.show();
  QApplication::processEvents();
  double repair = 0;
  double copy = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(copyPath);
    std::filesystem::remove(resultPath);
    copy += bench::SecondsOf([&] { std::filesystem::copy_file(table.path, copyPath); });
    form.Controls().N10->trigger();
    form.Controls().Panel6->Edit10->setText(QString::fromStdString(table.path));
    form.Controls().Panel6->Edit11->setText(QString::fromStdString(resultPath));
    form.Controls().Panel6->RadioGroup4->SetItemIndex(1);
    state.ResumeTiming();
    repair += bench::SecondsOf([&] { form.Controls().Panel6->Button10->click(); });
  }
  if (services.dialogs.messages.size() != static_cast<size_t>(state.iterations()) ||
      std::filesystem::file_size(resultPath) != static_cast<uintmax_t>(table.fileSize)) {
    state.SkipWithError("the repair did not finish");
  }
  std::filesystem::remove(copyPath);
  std::filesystem::remove(resultPath);
  state.SetBytesProcessed(state.iterations() * table.fileSize);
  state.counters["repair_s"] = repair / static_cast<double>(state.iterations());
  state.counters["copy_s"] = copy / static_cast<double>(state.iterations());
  state.counters["x_copy"] = repair / copy;
}

}  // namespace

BENCHMARK(BM_RepairHeader)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
