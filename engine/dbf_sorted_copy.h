// Copying every record of a table into another table in an order computed
// beforehand. Each record goes out with its flag byte made '*' when it is
// marked deleted and a blank otherwise, and an end mark follows the last.
#pragma once

#include "dbf_file.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace dbf {

// Where a table's records lie: its file and the position of its first record.
struct RecordArea {
  TableFile* file = nullptr;
  int64_t start = 0;
};

// Told the number of records copied so far, now and then.
using CopiedReport = std::function<void(uint64_t copied)>;

// Copies `count` records in the order next() names them (record indexes from
// 0), reading each one at its position: one read per record.
void CopyRecordsByIndex(RecordArea from, RecordArea to, uint32_t recordLength, uint32_t count,
                        const std::function<uint32_t()>& next, const CopiedReport& copied);

// Copies record i to place rank[i] of the target. Each pass reads the source
// from front to back in chunks of at most chunkBytes and gathers the records
// of the next `perPass` places in memory, then writes them at once: a few
// passes of sequential reading instead of a read per record.
void CopyRecordsByRank(RecordArea from, RecordArea to, uint32_t recordLength,
                       const std::vector<uint32_t>& rank, size_t perPass, size_t chunkBytes,
                       const CopiedReport& copied);

}  // namespace dbf
