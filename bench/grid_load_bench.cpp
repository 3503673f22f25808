// Loading a table of 1,000,000 records (about 100 MB) into the main window's
// record grid: the time of LoadGrid against one plain read of the file, and
// what the grid costs in memory (the process's peak, VmHWM, and the grid's
// cell store) against the file's size. Prints figures and whether each target
// is met. Usage: grid_load_bench [records]
#include "bench_table.h"
#include "byte_arena_store.h"
#include "event_guard.h"
#include "main_window.h"
#include "scripted_dialog_service.h"
#include "table_bytes.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double Megabytes(int64_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

// A "VmHWM:  1234 kB" line of /proc/self/status, in bytes.
int64_t ProcStatusBytes(const char* key) {
  std::ifstream in("/proc/self/status");
  const std::string prefix = std::string(key) + ":";
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) == 0) return std::atoll(line.c_str() + prefix.size()) * 1024;
  }
  return -1;
}

// The whole file with one read into fresh memory: the floor for reading it.
double ReadOnce(const bench::BenchTable& table) {
  const auto start = std::chrono::steady_clock::now();
  std::unique_ptr<char[]> bytes(new char[static_cast<size_t>(table.fileSize)]);
  std::ifstream in(table.path, std::ios::binary);
  in.read(bytes.get(), table.fileSize);
  const double s = Seconds(start);
  if (in.gcount() != table.fileSize) std::fprintf(stderr, "short read\n");
  return s;
}

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

}  // namespace

int main(int argc, char** argv) {
  const int64_t records = argc > 1 ? std::atoll(argv[1]) : 1000000;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  testsupport::TempDir dir;
  const bench::BenchTable table = bench::WriteBenchTable(dir.Path("bench.dbf"), records, 10);
  const double mb = Megabytes(table.fileSize);
  std::printf("table: %lld records of %u bytes, %.1f MB, every 10th marked deleted\n",
              static_cast<long long>(records), table.recordLength, mb);
  const double floor = ReadOnce(table);
  std::printf("read the whole file once: %.3f s, %.0f MB/s\n", floor, mb / floor);

  ui::ScriptedDialogService dialogs;
  ui::EventGuard guard(dialogs, [](int code) { std::exit(code); });
  guard.InstallEngineReporters();
  struct NoLauncher : ui::FileLauncher {
    bool Open(const std::string&) override { return false; }
  } launcher;
  TForm2 form(MainWindowLinks{dialogs, guard, launcher, {}, {}});
  form.show();
  QApplication::processEvents();

  const int64_t rssBefore = ProcStatusBytes("VmRSS");
  const auto start = std::chrono::steady_clock::now();
  form.OpenAtStart(table.path);
  const double load = Seconds(start);
  QApplication::processEvents();  // the first drawing of the loaded grid
  const int64_t peak = ProcStatusBytes("VmHWM");

  const auto* store = dynamic_cast<const ui::ByteArenaStore*>(&form.StringGrid1->Store());
  const int64_t storeBytes = store ? static_cast<int64_t>(store->FootprintBytes()) : -1;
  const int64_t growth = peak - rssBefore;
  std::printf("LoadGrid: %lld rows in %.3f s, %.0f MB/s, %.1f x the plain read  [target < 1.5 s: %s]\n",
              static_cast<long long>(form.StringGrid1->RowCount() - 1), load, mb / load, load / floor,
              Verdict(load < 1.5));
  std::printf("memory: peak (VmHWM) %.1f MB; grown by %.1f MB while loading = %.2f x the file; cell store %.1f MB"
              " = %.2f x the file  [target < 1.5 x: %s]\n",
              Megabytes(peak), Megabytes(growth), growth / static_cast<double>(table.fileSize),
              Megabytes(storeBytes), storeBytes / static_cast<double>(table.fileSize),
              Verdict(growth < 1.5 * table.fileSize));
  return 0;
}
