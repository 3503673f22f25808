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
  const char* name;
  char type;
  uint8_t length;
  uint8_t decimals;
};

// Seven fields of types C, N, L and D, 100 bytes a record with the flag.
const std::vector<BenchField>& BenchFields();

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

// Seconds to read the whole file with one read into fresh memory: the floor
// any loading of it is measured against.
double ReadWholeFileSeconds(const std::string& path);

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
