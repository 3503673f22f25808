// What the benchmarks share: the large test table, written with plain file
// writes (not through the engine) so that any benchmark can make one quickly;
// the floor of reading a file once; and the process's memory figures.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <sys/resource.h>
#include <string>
#include <vector>

namespace bench {

struct BenchField {
  std::string name;
  char type;
  uint8_t length;
  uint8_t decimals;
};

// Seven fields of types C, N, L and D, 100 bytes a record with the flag.
const std::vector<BenchField>& BenchFields();

// 2,046 fields, the most a header size of 16 bits leaves room for: C(8),
// N(6.2), L(1) and D(8) in turn, 11,768 bytes a record with the flag. The
// names start with the letters A .. Z in turn.
const std::vector<BenchField>& ManyFields();

struct BenchTable {
  std::string path;
  int64_t records = 0;
  uint16_t headerSize = 0;
  uint32_t recordLength = 0;
  int64_t fileSize = 0;
};

// Writes `records` records of pseudo-random but repeatable contents (negative
// sums among them), marking every `deletedEvery`-th record deleted (0: none),
// followed by the end mark.
BenchTable WriteBenchTable(const std::string& path, int64_t records, int deletedEvery);

// Writes `records` records of ManyFields, every field filled with
// pseudo-random but repeatable text of its type, every 10th record marked
// deleted, followed by the end mark.
BenchTable WriteManyFieldsTable(const std::string& path, int64_t records);

// The engine's walk of a table, the record grid's loop before it kept whole
// records: every record with its deletion mark and every field as text by
// DbfGetStr, the field names taken from the field list once.
void WalkEveryRecordAndField(const std::string& path);

// Seconds to read the whole file with one read into fresh memory: the floor
// any loading of it is measured against.
double ReadWholeFileSeconds(const std::string& path);

// The bytes of the table's first `count` records, flags included.
std::string FirstRecords(const std::string& path, int64_t count);

// True when both tables hold the same record bytes: everything after their
// headers, the header sizes taken from each file.
bool SameRecords(const std::string& a, const std::string& b);

// Wall-clock seconds from `start` to now.
double SecondsSince(std::chrono::steady_clock::time_point start);
// Wall-clock seconds `work` takes.
double SecondsOf(const std::function<void()>& work);

// User plus system seconds of a resource usage record.
double CpuSeconds(const struct rusage& usage);
// User plus system seconds this process has used so far.
double ProcessCpuSeconds();

// Seconds to copy `from` over `to` the crash-safe way: a plain copy into a
// new file beside `to`, synced, then renamed over it. The floor of any
// command that rewrites a table so that a crash leaves the old one or the new.
double SafeCopySeconds(const std::string& from, const std::string& to);

// True when both files hold the same bytes.
bool SameBytes(const std::string& a, const std::string& b);

// A "Key:  1234 kB" line of /proc/self/status (VmRSS, VmHWM), in bytes; -1
// when there is none.
int64_t ProcStatusBytes(const char* key);

// Restarts the peak (VmHWM) from the present resident size; false where the
// kernel does not allow it.
bool ResetPeakMemory();

// Writes the table to a temporary folder at first use and removes it when the
// program ends; benchmarks that change their table copy it first.
const BenchTable& SharedBenchTable(int64_t records, int deletedEvery);

}  // namespace bench
