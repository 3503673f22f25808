// Purge: removes, in place, every record whose flag is not a blank. The file
// is read in chunks of whole records and each chunk's live records are
// written right behind the last record kept; the write position never passes
// the read position, so no record is overwritten before it has been read and
// no second file is needed.
#include "dbf2_lib.h"

#include "dbf_header.h"

#include <algorithm>
#include <cstring>

namespace dbf {
namespace {

constexpr int64_t kPackChunk = 500000;

}  // namespace

void Dbf2_lib::DbfPack(uint16_t slot) {
  DbfGoNoRead(slot, 1);
  Slot& s = slots_[slot - 1];
  if (s.status == kStatusEof) return;

  const int64_t length = s.recordLength;
  const int64_t end = RecordsEnd(s.table.File(), s.headerSize, s.recordLength);
  const int64_t start = s.position;
  int64_t readPos = start;
  int64_t writePos = start;
  std::vector<char> chunk;
  while (end - readPos >= length) {
    // At least one record per chunk, even when one record is larger than a chunk.
    int64_t records = std::max<int64_t>(std::min(end - readPos, kPackChunk) / length, 1);
    chunk.resize(static_cast<size_t>(records * length));
    s.table.File().ReadAt(readPos, chunk.data(), chunk.size());
    readPos += static_cast<int64_t>(chunk.size());
    size_t kept = 0;
    for (size_t at = 0; at < chunk.size(); at += static_cast<size_t>(length)) {
      if (chunk[at] != kFlagLive) continue;
      if (kept != at) std::memmove(chunk.data() + kept, chunk.data() + at, static_cast<size_t>(length));
      kept += static_cast<size_t>(length);
    }
    if (kept > 0 && writePos + static_cast<int64_t>(kept) != readPos) {
      s.table.File().WriteAt(writePos, chunk.data(), kept);
    }
    writePos += static_cast<int64_t>(kept);
    Step(readPos - start, end - start);
  }
  s.table.File().WriteAt(writePos, &kEndMark, 1);
  s.table.File().Truncate(writePos + 1);
  DbfFirst(slot);
}

}  // namespace dbf
