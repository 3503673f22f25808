// The deletion commands on the 1,000,000-record table (about 100 MB) loaded
// in the record grid, each against one crash-safe copy of the same file
// (bench::SafeCopySeconds) timed in the same round: "Удалить отмеченные"
// with one record marked and with every 10th marked, "Удалить запись" and
// "Удалить нулевые". Each figure takes in the version kept for undo and the
// grid's refill. Target: x_copy, the slowest command's time over the copy's,
// at most 1.5; x_mark_one, x_marked_10, x_delete_record and x_zeros are each
// command's own.
// Usage: purge_bench [Google Benchmark flags]
#include "bench_support.h"
#include "main_window_bench.h"
#include "string_grid.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

namespace {

constexpr int kRow = 500000;

struct PurgeCase {
  const char* counter;
  int deletedEvery;  // the table's marks as loaded
  std::function<void(TForm2&)> run;
};

void BM_PurgeAgainstCopy(benchmark::State& state) {
  const PurgeCase cases[] = {
      {"x_mark_one", 0,
       [](TForm2& form) {
         form.Controls().StringGrid1->SetSelectedCell(kRow, 1);
         form.Controls().ToolButton6->trigger();
         form.Controls().ToolButton8->trigger();
       }},
      {"x_marked_10", 10, [](TForm2& form) { form.Controls().ToolButton8->trigger(); }},
      {"x_delete_record", 0,
       [](TForm2& form) {
         form.Controls().StringGrid1->SetSelectedCell(kRow, 1);
         form.Controls().ToolButton2->trigger();
       }},
      {"x_zeros", 0,
       [](TForm2& form) {
         form.Controls().Edit4->setText(QStringLiteral("QTY"));
         form.Controls().Button5->click();
       }},
  };
  bench::MainWindowServices services;
  std::unique_ptr<TForm2> form;
  double purges[std::size(cases)] = {};
  double copies[std::size(cases)] = {};
  for (auto _ : state) {
    for (size_t k = 0; k < std::size(cases); ++k) {
      const PurgeCase& c = cases[k];
      state.PauseTiming();
      const bench::BenchTable& table = bench::SharedBenchTable(1000000, c.deletedEvery);
      const std::string work = table.path + "-purged.dbf";
      const std::string copy = table.path + "-copy.dbf";
      std::filesystem::copy_file(table.path, work, std::filesystem::copy_options::overwrite_existing);
      copies[k] += bench::SafeCopySeconds(table.path, copy);
      bench::ShowFreshWindow(form, services);
      form->OpenAtStart(work);
      QApplication::processEvents();
      services.dialogs.messages.clear();
      state.ResumeTiming();
      purges[k] += bench::SecondsOf([&] { c.run(*form); });
      state.PauseTiming();
      if (services.dialogs.messages.size() != 1 ||
          std::filesystem::file_size(work) >= static_cast<uintmax_t>(table.fileSize)) {
        state.SkipWithError((std::string(c.counter) + ": the purge did not finish").c_str());
      }
      std::filesystem::remove(work);
      std::filesystem::remove(copy);
      state.ResumeTiming();
    }
  }
  form.reset();
  double worst = 0;
  for (size_t k = 0; k < std::size(cases); ++k) {
    state.counters[cases[k].counter] = purges[k] / copies[k];
    worst = std::max(worst, purges[k] / copies[k]);
  }
  state.counters["x_copy"] = worst;
  state.counters["copy_s"] = copies[0] / static_cast<double>(state.iterations());
}

}  // namespace

BENCHMARK(BM_PurgeAgainstCopy)->Iterations(4)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
