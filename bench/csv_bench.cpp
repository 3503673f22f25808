// The 1,000,000-record table (about 100 MB) as the record grid holds it
// written out as CSV, and that CSV read back into a new table: with the
// fields guessed from its values, and with the table itself as template,
// which must give the very same records. Target on a 2-core machine: CSV out
// under 2 s. x_read compares each with one plain read of the table.
// Usage: csv_bench [Google Benchmark flags]
#include "bench_support.h"
#include "csv_grid_rows.h"
#include "csv_page_text.h"
#include "csv_table.h"
#include "record_store.h"
#include "table_bytes.h"
#include "window_bench.h"
#include "write_all.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>

#include <chrono>
#include <cstring>
#include <filesystem>

namespace {

constexpr int64_t kRecords = 1000000;
constexpr int kDeletedEvery = 10;

// The table's records in a record store, as loading them into the grid leaves them.
std::unique_ptr<RecordStore> GridOf(const bench::BenchTable& table, std::vector<char>& header) {
  const std::string bytes = testsupport::ReadFile(table.path);
  header.assign(bytes.begin(), bytes.begin() + table.headerSize);
  std::vector<std::string> names{"N"};
  std::vector<RecordStore::Field> fields;
  uint32_t offset = 1;
  for (const bench::BenchField& f : bench::BenchFields()) {
    names.push_back(f.name);
    fields.push_back({offset, f.length});
    offset += f.length;
  }
  auto store = std::make_unique<RecordStore>(names, fields, table.recordLength, table.records);
  std::memcpy(store->Records(), bytes.data() + table.headerSize, static_cast<size_t>(table.records) * table.recordLength);
  store->TakeMarks(0, table.records);
  return store;
}

void WriteCsvFile(const std::string& path, const RecordStore& store, const std::vector<char>& header) {
  ui::OwnedFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  csv::WriteCsv(GridColumns(store, header), GridRows(store), office::PageText(ui::CodePage::Windows1251),
                [&](std::string_view block) {
                  size_t written = 0;
                  if (ui::WriteAll(dbf::SystemFileSystem(), fd.get(), block, written) != 0) throw std::runtime_error("write failed");
                });
  fd.Close(path);
}

// Reads the CSV into a new table, guessed or after the template.
void TableFromCsv(const std::string& csvPath, const std::string& tablePath, const std::string& templatePath) {
  const csv::ByteText page = office::PageText(ui::CodePage::Windows1251);
  const std::vector<csv::FieldSpec> fields = templatePath.empty() ? std::vector<csv::FieldSpec>()
                                                                  : csv::TableFields(templatePath);
  const csv::ReadOutcome read =
      csv::ReadCsv(testsupport::ReadFile(csvPath), page, templatePath.empty() ? nullptr : &fields);
  if (!read.problems.empty()) throw std::runtime_error(read.problems[0]);
  std::filesystem::remove(tablePath);
  csv::WriteTable(dbf::SystemFileSystem(), tablePath, read.plan, templatePath, office::LanguageDriverOf(ui::CodePage::Windows1251));
}

void BM_CsvOut(benchmark::State& state) {
  const bench::BenchTable& table = bench::SharedBenchTable(kRecords, kDeletedEvery);
  const double floor = bench::ReadWholeFileSeconds(table.path);
  std::vector<char> header;
  const auto store = GridOf(table, header);
  const std::string csvPath = table.path + ".csv";
  double seconds = 0;
  for (auto _ : state) seconds += bench::SecondsOf([&] { WriteCsvFile(csvPath, *store, header); });
  state.counters["seconds"] = seconds / static_cast<double>(state.iterations());
  state.counters["x_read"] = seconds / static_cast<double>(state.iterations()) / floor;
  state.counters["csv_mb"] = static_cast<double>(std::filesystem::file_size(csvPath)) / 1e6;
}

void BM_CsvIn(benchmark::State& state) {
  const bench::BenchTable& table = bench::SharedBenchTable(kRecords, kDeletedEvery);
  const double floor = bench::ReadWholeFileSeconds(table.path);
  std::vector<char> header;
  const std::string csvPath = table.path + ".csv";
  WriteCsvFile(csvPath, *GridOf(table, header), header);
  const std::string templated = table.path + ".templated.dbf";
  const std::string guessed = table.path + ".guessed.dbf";
  double seconds = 0;
  for (auto _ : state) {
    seconds += bench::SecondsOf([&] { TableFromCsv(csvPath, guessed, ""); });
    state.PauseTiming();
    TableFromCsv(csvPath, templated, table.path);
    if (!bench::SameRecords(table.path, templated)) state.SkipWithError("the round trip changed records");
    state.ResumeTiming();
  }
  state.counters["seconds"] = seconds / static_cast<double>(state.iterations());
  state.counters["x_read"] = seconds / static_cast<double>(state.iterations()) / floor;
  for (const std::string& path : {csvPath, templated, guessed}) std::filesystem::remove(path);
}

}  // namespace

BENCHMARK(BM_CsvOut)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CsvIn)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
