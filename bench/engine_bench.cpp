// Engine speed and memory on a table of 1,000,000 records (about 100 MB):
// the walk of the record grid against one plain read of the file, the purge,
// and the sort on two keys with the process's peak memory. Prints figures and
// whether each target is met. Usage: engine_bench [records]
#include "bench_table.h"
#include "dbf2_lib.h"
#include "table_bytes.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double Megabytes(int64_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

// A line such as "VmHWM:  1234 kB" of /proc/self/status, in bytes.
int64_t StatusBytes(const std::string& key) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, key.size() + 1, key + ":") == 0) {
      return std::atoll(line.c_str() + key.size() + 1) * 1024;
    }
  }
  return -1;
}

// Restarts the peak (VmHWM) from the present resident size; false where the
// kernel does not allow it.
bool ResetPeak() {
  std::ofstream out("/proc/self/clear_refs");
  out << "5";
  out.flush();
  return static_cast<bool>(out);
}

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

// One read() of the whole file into memory not filled beforehand: the floor
// for reading it.
double ReadWholeFile(const bench::BenchTable& table) {
  auto start = std::chrono::steady_clock::now();
  std::unique_ptr<char[]> all(new char[table.fileSize]);
  int fd = ::open(table.path.c_str(), O_RDONLY);
  ssize_t got = ::read(fd, all.get(), table.fileSize);
  ::close(fd);
  double s = Seconds(start);
  if (got != table.fileSize) std::fprintf(stderr, "short read\n");
  return s;
}

// The record grid's loop: every record with its mark and every field as text.
double WalkAllRecords(const bench::BenchTable& table, int64_t& visited, int64_t& marked) {
  auto start = std::chrono::steady_clock::now();
  dbf::Dbf2_lib db;
  db.DbfOpen(1, table.path);
  std::vector<std::string> names;
  for (const dbf::FieldNode* f = db.DbfFields(1); f; f = f->next) names.push_back(f->Name());
  size_t textBytes = 0;
  db.DbfTop(1);
  while (!db.DbfEof(1)) {
    if (db.DbfIsDeleted(1)) ++marked;
    for (const std::string& name : names) textBytes += db.DbfGetStr(1, name).size();
    ++visited;
    db.DbfSkip(1, 1);
  }
  db.DbfCloseAll();
  double s = Seconds(start);
  if (textBytes == 0) std::fprintf(stderr, "no text read\n");
  return s;
}

void Sort(const bench::BenchTable& table, const std::string& target, int64_t keyBytes) {
  const int64_t rssBefore = StatusBytes("VmRSS");
  const int64_t peakBefore = StatusBytes("VmHWM");
  const bool reset = ResetPeak();
  auto start = std::chrono::steady_clock::now();
  dbf::Dbf2_lib db;
  db.DbfAssign(1, table.path);
  db.DbfAssign(2, target);
  db.DbfSortInit(1);
  db.DbfSortAddKey("SUM", 2);
  db.DbfSortAddKey("NAME", 1);
  db.DbfSortTo(1, 2);
  const double s = Seconds(start);
  const int64_t peakAfter = StatusBytes("VmHWM");
  const int64_t growth = peakAfter - (reset ? rssBefore : peakBefore);
  const double perRecord = static_cast<double>(growth) / table.records;
  const double limit = 2.0 * (keyBytes + 64);
  std::printf("sort (SUM descending, NAME ascending): %.2f s, %.0f records/s  [target < 3 s: %s]\n", s,
              table.records / s, Verdict(s < 3));
  std::printf("  peak memory: %.1f MB before, %.1f MB after (%s); sort's growth %.1f MB = %.1f bytes/record"
              "  [target < 2 x (%lld key bytes + 64) = %.0f bytes/record: %s]\n",
              Megabytes(peakBefore), Megabytes(peakAfter), reset ? "peak restarted before the sort" : "peak not restartable",
              Megabytes(growth), perRecord, static_cast<long long>(keyBytes), limit, Verdict(perRecord < limit));
}

double Pack(const bench::BenchTable& table) {
  auto start = std::chrono::steady_clock::now();
  dbf::Dbf2_lib db;
  db.DbfOpen(1, table.path);
  db.DbfPack(1);
  const int64_t left = db.DbfRecCount(1);
  db.DbfCloseAll();
  const double s = Seconds(start);
  if (left != table.records - table.records / 10) std::fprintf(stderr, "purge left %lld records\n", static_cast<long long>(left));
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  const int64_t records = argc > 1 ? std::atoll(argv[1]) : 1000000;
  testsupport::TempDir dir;
  auto start = std::chrono::steady_clock::now();
  const bench::BenchTable table = bench::WriteBenchTable(dir.Path("bench.dbf"), records, 10);
  const double mb = Megabytes(table.fileSize);
  std::printf("table: %lld records of %u bytes, %.1f MB, every 10th marked deleted; written in %.2f s\n",
              static_cast<long long>(records), table.recordLength, mb, Seconds(start));

  // The sort runs first, while the process is small, so its peak is its own.
  Sort(table, dir.Path("sorted.dbf"), 12 + 40);

  const double floor = ReadWholeFile(table);
  std::printf("read the whole file at once: %.3f s, %.0f MB/s\n", floor, mb / floor);
  int64_t visited = 0;
  int64_t marked = 0;
  const double walk = WalkAllRecords(table, visited, marked);
  std::printf("walk every record, mark and field (%lld records, %lld marked): %.3f s, %.0f MB/s, "
              "%.1f x the plain read  [target <= 10 x: %s]\n",
              static_cast<long long>(visited), static_cast<long long>(marked), walk, mb / walk, walk / floor,
              Verdict(walk <= 10 * floor));

  const double pack = Pack(table);
  std::printf("purge of %lld marked records: %.3f s, %.0f MB/s, %.1f x the plain read  [target <= 3 x: %s]\n",
              static_cast<long long>(marked), pack, mb / pack, pack / floor, Verdict(pack <= 3 * floor));
  return 0;
}
