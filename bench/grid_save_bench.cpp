// "Save" of the 1,000,000-record table (about 100 MB) loaded in the record
// grid and not edited, measured against LoadGrid of the same table in the
// same run. Targets: the save takes at most 1.2 x the load (x_load <= 1.2),
// the saved records are the source's byte for byte (same_records = 1), and
// the process grows by at most 0.2 x the file's size while saving
// (x_file <= 0.2). load_s and save_s are the seconds of one load and one save.
// Usage: grid_save_bench [Google Benchmark flags]
#include "bench_support.h"
#include "main_window_bench.h"

#include <QAction>
#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>

namespace {

void BM_SaveAgainstLoad(benchmark::State& state) {
  const bench::BenchTable& table = bench::SharedBenchTable(1000000, 10);
  const std::string copy = table.path + "-saved.dbf";  // the shared table stays as written
  bench::MainWindowServices services;
  std::vector<std::string>& messages = services.dialogs.messages;
  double load = 0;
  double save = 0;
  double growth = 0;
  bool sameRecords = true;
  std::unique_ptr<TForm2> form;
  for (auto _ : state) {
    state.PauseTiming();
    form.reset();
    std::filesystem::copy_file(table.path, copy, std::filesystem::copy_options::overwrite_existing);
    form = std::make_unique<TForm2>(services.Links());
    form->show();
    QApplication::processEvents();
    state.ResumeTiming();
    load += bench::SecondsOf([&] { form->OpenAtStart(copy); });
    state.PauseTiming();
    QApplication::processEvents();
    const bool reset = bench::ResetPeakMemory();
    const int64_t before = bench::ProcStatusBytes(reset ? "VmRSS" : "VmHWM");
    messages.clear();
    state.ResumeTiming();
    save += bench::SecondsOf([&] { form->Save1->trigger(); });
    state.PauseTiming();
    growth = std::max(growth, static_cast<double>(bench::ProcStatusBytes("VmHWM") - before));
    state.ResumeTiming();
    if (messages != std::vector<std::string>({"Сохранение выполнено!"})) {
      state.SkipWithError(("save failed: " + (messages.empty() ? "" : messages.back())).c_str());
      break;
    }
    state.PauseTiming();
    sameRecords = sameRecords && bench::SameRecords(table.path, copy);
    state.ResumeTiming();
  }
  form.reset();
  std::filesystem::remove(copy);
  const double runs = static_cast<double>(state.iterations());
  state.counters["load_s"] = load / runs;
  state.counters["save_s"] = save / runs;
  state.counters["x_load"] = save / load;
  state.counters["x_file"] = growth / static_cast<double>(table.fileSize);
  state.counters["same_records"] = sameRecords ? 1 : 0;
}

}  // namespace

BENCHMARK(BM_SaveAgainstLoad)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
