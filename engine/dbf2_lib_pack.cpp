// Purge: removes every record whose flag is not a blank, in place
// (DbfPack) or into a new file (DbfPackInto). The records are read in chunks
// of whole records and each chunk's kept records are moved together. In
// place they are written right behind the last record kept; the write
// position never passes the read position, so no record is overwritten
// before it has been read and no second file is needed.
#include "dbf2_lib.h"

#include "dbf_header.h"

#include <algorithm>
#include <cstring>

namespace dbf {
namespace {

constexpr int64_t kPackChunk = 500000;

}  // namespace

void Dbf2_lib::CompactRecords(Slot& s, const KeepRecord& keep,
                              const std::function<void(const char* kept, size_t size, int64_t readPos)>& put) {
  const int64_t length = s.recordLength;
  const int64_t end = RecordsEnd(s.table.File(), s.headerSize, s.recordLength);
  const int64_t start = s.headerSize;
  int64_t readPos = start;
  int64_t recNo = 0;
  std::vector<char> chunk;
  while (end - readPos >= length) {
    // At least one record per chunk, even when one record is larger than a chunk.
    const int64_t records = std::max<int64_t>(std::min(end - readPos, kPackChunk) / length, 1);
    chunk.resize(static_cast<size_t>(records * length));
    s.table.File().ReadAt(readPos, chunk.data(), chunk.size());
    readPos += static_cast<int64_t>(chunk.size());
    size_t kept = 0;
    for (size_t at = 0; at < chunk.size(); at += static_cast<size_t>(length)) {
      ++recNo;
      if (keep ? !keep(recNo, chunk[at]) : chunk[at] != kFlagLive) continue;
      if (kept != at) std::memmove(chunk.data() + kept, chunk.data() + at, static_cast<size_t>(length));
      chunk[kept] = kFlagLive;
      kept += static_cast<size_t>(length);
    }
    put(chunk.data(), kept, readPos);
    Step(readPos - start, end - start);
  }
}

void Dbf2_lib::DbfPack(uint16_t slot) {
  DbfGoNoRead(slot, 1);
  Slot& s = slots_[slot - 1];
  if (s.status == kStatusEof) return;
  int64_t writePos = s.headerSize;
  CompactRecords(s, {}, [&](const char* kept, size_t size, int64_t readPos) {
    if (size > 0 && writePos + static_cast<int64_t>(size) != readPos) s.table.File().WriteAt(writePos, kept, size);
    writePos += static_cast<int64_t>(size);
  });
  s.table.File().WriteAt(writePos, &kEndMark, 1);
  s.table.File().Truncate(writePos + 1);
  DbfFirst(slot);
}

// A table the purge in place leaves alone is copied as it is.
void Dbf2_lib::DbfPackInto(uint16_t slot, const std::string& file, const KeepRecord& keep) {
  DbfGoNoRead(slot, 1);
  Slot& s = slots_[slot - 1];
  TableFile out(files_);
  out.Create(file);
  if (s.status == kStatusEof) {
    s.table.File().CopyInto(out, 0, static_cast<size_t>(s.table.File().Size()));
    return;
  }
  std::vector<char> header(s.headerSize);
  s.table.File().ReadAt(0, header.data(), header.size());
  int64_t writePos = s.headerSize;
  CompactRecords(s, keep, [&](const char* kept, size_t size, int64_t) {
    if (size > 0) out.WriteAt(writePos, kept, size);
    writePos += static_cast<int64_t>(size);
  });
  PutU32(header.data() + 4, static_cast<uint32_t>((writePos - s.headerSize) / s.recordLength));
  out.WriteAt(0, header.data(), header.size());
  out.WriteAt(writePos, &kEndMark, 1);
  out.Close();
}

}  // namespace dbf
