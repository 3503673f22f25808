// The record grid's view order on the 1,000,000-record table (7 fields, about
// 100 MB): a click on a heading sorting the rows shown, and the filter line
// showing the rows a text lets through, each against a reference timed in the
// same run.
// - Sort: NAME (text) and SUM (numbers) ascending, against the engine sorting
//   the table by the same key into a new table. Target: x_engine_sort <= 2.
// - Filter: "contains" on CITY and ">" on SUM, against a plain walk that reads
//   every field cell of the grid once (as find_bench's). Target: x_walk <= 2.
// Each prints one summary line with its ratio besides Google Benchmark's table.
// Usage: view_order_bench [Google Benchmark flags]
#include "bench_support.h"
#include "dbf2_lib.h"
#include "filter_line.h"
#include "main_window_bench.h"
#include "record_store.h"
#include "record_view.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kName = 1;
constexpr int kCity = 2;
constexpr int kSum = 4;

const bench::BenchTable& Table() { return bench::SharedBenchTable(1000000, 10); }

// A fresh main window showing the table.
std::unique_ptr<TForm2> Window(bench::MainWindowServices& services) {
  std::unique_ptr<TForm2> form;
  bench::ShowFreshWindow(form, services);
  form->OpenAtStart(Table().path);
  return form;
}

double EngineSortSeconds(const char* field) {
  const std::string target = Table().path + ".sorted";
  std::filesystem::remove(target);
  const double seconds = bench::SecondsOf([&] {
    dbf::Dbf2_lib db;
    db.DbfAssign(1, Table().path);
    db.DbfAssign(2, target);
    db.DbfSortInit(1);
    db.DbfSortAddKey(field, 1);
    db.DbfSortTo(1, 2);
  });
  std::filesystem::remove(target);
  return seconds;
}

// Reads every field cell once: the least a filter of the grid must do.
size_t WalkCells(const RecordStore& rows) {
  size_t bytes = 0;
  for (int row = 1; row < rows.RowCount(); ++row) {
    for (int col = 1; col < rows.ColumnCount(); ++col) bytes += rows.Cell(row, col).size();
  }
  return bytes;
}

// A timing against its reference: both per round and their ratio in the
// table's counters, and the summary line.
struct Measured {
  const char* what;       // "sort NAME"
  const char* ratioName;  // "x_engine_sort"
  const char* ownName;
  double own;  // seconds over all rounds
  const char* referenceName;
  double reference;
};

void Report(benchmark::State& state, const Measured& m) {
  const double runs = static_cast<double>(state.iterations());
  state.counters[std::string(m.ownName) + "_s"] = m.own / runs;
  state.counters[std::string(m.referenceName) + "_s"] = m.reference / runs;
  state.counters[m.ratioName] = m.own / m.reference;
  std::printf("view_order_bench %s: %s=%.2f (%s %.3f s, %s %.3f s, target <= 2)\n", m.what, m.ratioName,
              m.own / m.reference, m.ownName, m.own / runs, m.referenceName, m.reference / runs);
}

void BM_SortView(benchmark::State& state, int col, const char* field) {
  bench::MainWindowServices services;
  const std::unique_ptr<TForm2> window = Window(services);
  TForm2& form = *window;
  double view = 0;
  double engine = 0;
  for (auto _ : state) {
    engine += EngineSortSeconds(field);
    const double seconds = bench::SecondsOf([&] { form.Controls().RecordView->HeadingClicked(col); });
    view += seconds;
    state.SetIterationTime(seconds);
    form.Controls().RecordView->HeadingClicked(col);  // descending, then the file's order: untimed
    form.Controls().RecordView->HeadingClicked(col);
  }
  const std::string what = std::string("sort ") + field;
  Report(state, {what.c_str(), "x_engine_sort", "view_sort", view, "engine_sort", engine});
}

void BM_FilterView(benchmark::State& state, int col, const char* text) {
  bench::MainWindowServices services;
  const std::unique_ptr<TForm2> window = Window(services);
  TForm2& form = *window;
  const RecordStore& rows = *form.Table().Rows();
  double filter = 0;
  double walk = 0;
  for (auto _ : state) {
    walk += bench::SecondsOf([&] { benchmark::DoNotOptimize(WalkCells(rows)); });
    form.Controls().GridFilter->SetText(col, QString::fromUtf8(text));
    const double seconds = bench::SecondsOf([&] { form.Controls().RecordView->Apply(); });
    filter += seconds;
    state.SetIterationTime(seconds);
    form.Controls().GridFilter->SetText(col, {});
    form.Controls().RecordView->Apply();
  }
  const std::string what = std::string("filter \"") + text + "\"";
  Report(state, {what.c_str(), "x_walk", "filter", filter, "walk", walk});
}

}  // namespace

BENCHMARK_CAPTURE(BM_SortView, name, kName, "NAME")->Iterations(3)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK_CAPTURE(BM_SortView, sum, kSum, "SUM")->Iterations(3)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK_CAPTURE(BM_FilterView, city, kCity, "ka")->Iterations(3)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK_CAPTURE(BM_FilterView, sum, kSum, ">100")->Iterations(3)->Unit(benchmark::kMillisecond)->UseManualTime();

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
