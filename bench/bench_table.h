// Writes the large test table the benchmarks work on, with plain file writes
// (not through the engine), so that any benchmark can make one quickly.
#pragma once

#include <cstdint>
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

}  // namespace bench
