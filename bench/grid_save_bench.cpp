// "Save" of the 1,000,000-record table (about 100 MB) loaded in the record
// grid, unedited and with 1 % of its rows edited, each against one
// crash-safe copy of the same file (bench::SafeCopySeconds) timed in the same
// round; the version kept for undo is part of the save. Targets: x_copy, the
// slower save's time over the copy's, at most 2.5 (x_unedited and x_edited
// are each save's own); the unedited save's records are the source's byte
// for byte (same_records = 1); the process grows by at most 0.2 x the file's
// size while saving (x_file <= 0.2). save_s and copy_s are seconds of one
// unedited save and one copy.
// Usage: grid_save_bench [Google Benchmark flags]
#include "bench_support.h"
#include "main_window_bench.h"
#include "string_grid.h"

#include <QAction>
#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kEditEvery = 100;  // 1 % of the rows

void BM_SaveAgainstCopy(benchmark::State& state) {
  const bench::BenchTable& table = bench::SharedBenchTable(1000000, 10);
  const std::string saved = table.path + "-saved.dbf";  // the shared table stays as written
  const std::string copy = table.path + "-copy.dbf";
  bench::MainWindowServices services;
  std::vector<std::string>& messages = services.dialogs.messages;
  double saves[2] = {};
  double copies[2] = {};
  double growth = 0;
  bool sameRecords = true;
  std::unique_ptr<TForm2> form;
  for (auto _ : state) {
    for (int edited = 0; edited < 2; ++edited) {
      state.PauseTiming();
      std::filesystem::copy_file(table.path, saved, std::filesystem::copy_options::overwrite_existing);
      copies[edited] += bench::SafeCopySeconds(table.path, copy);
      bench::ShowFreshWindow(form, services);
      form->OpenAtStart(saved);
      QApplication::processEvents();
      if (edited) {
        for (int row = 1; row < form->Controls().StringGrid1->RowCount(); row += kEditEvery) {
          form->Controls().StringGrid1->SetCell(row, 1, "EDITED " + std::to_string(row));
        }
      }
      const bool reset = bench::ResetPeakMemory();
      const int64_t before = bench::ProcStatusBytes(reset ? "VmRSS" : "VmHWM");
      messages.clear();
      state.ResumeTiming();
      saves[edited] += bench::SecondsOf([&] { form->Controls().Save1->trigger(); });
      state.PauseTiming();
      if (!edited) growth = std::max(growth, static_cast<double>(bench::ProcStatusBytes("VmHWM") - before));
      if (messages != std::vector<std::string>({"Сохранение выполнено!"})) {
        state.SkipWithError(("save failed: " + (messages.empty() ? "" : messages.back())).c_str());
      }
      if (!edited) sameRecords = sameRecords && bench::SameRecords(table.path, saved);
      state.ResumeTiming();
    }
  }
  form.reset();
  std::filesystem::remove(saved);
  std::filesystem::remove(copy);
  const double runs = static_cast<double>(state.iterations());
  state.counters["save_s"] = saves[0] / runs;
  state.counters["copy_s"] = copies[0] / runs;
  state.counters["x_unedited"] = saves[0] / copies[0];
  state.counters["x_edited"] = saves[1] / copies[1];
  state.counters["x_copy"] = std::max(saves[0] / copies[0], saves[1] / copies[1]);
  state.counters["x_file"] = growth / static_cast<double>(table.fileSize);
  state.counters["same_records"] = sameRecords ? 1 : 0;
}

}  // namespace

BENCHMARK(BM_SaveAgainstCopy)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
