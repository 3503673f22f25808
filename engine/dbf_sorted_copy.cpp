#include "dbf_sorted_copy.h"

#include "dbf2_lib.h"

#include <algorithm>
#include <cstring>

namespace dbf {
namespace {

// Records copied one by one are gathered into blocks of about this size.
constexpr size_t kOutputBlock = 1 << 20;

// Any flag other than the deletion mark goes out as a live record's blank.
void NormalizeFlag(char& flag) { flag = flag == kFlagDeleted ? kFlagDeleted : kFlagLive; }

// Writes n bytes at pos a block at a time: a single write of tens of
// megabytes was now and then held up by the system for a tenth of a second,
// where the same bytes in blocks went out at full speed.
void WriteInBlocks(RecordArea to, int64_t pos, const char* bytes, size_t n) {
  for (size_t done = 0; done < n; done += kOutputBlock) {
    to.file->WriteAt(pos + static_cast<int64_t>(done), bytes + done,
                     std::min(kOutputBlock, n - done));
  }
}

}  // namespace

void CopyRecordsByIndex(RecordArea from, RecordArea to, uint32_t recordLength, uint32_t count,
                        const std::function<uint32_t()>& next, const CopiedReport& copied) {
  const size_t length = recordLength;
  const size_t perBlock = std::max<size_t>(kOutputBlock / length, 1);
  std::vector<char> block;
  block.reserve(perBlock * length + 1);
  int64_t writePos = to.start;
  auto flush = [&] {
    to.file->WriteAt(writePos, block.data(), block.size());
    writePos += static_cast<int64_t>(block.size());
    block.clear();
  };
  for (uint32_t i = 0; i < count; ++i) {
    const int64_t index = next();
    // The whole record is read by position, so that a last record with no
    // end mark after it is read like the others.
    const size_t at = block.size();
    block.resize(at + length);
    from.file->ReadDirectAt(from.start + index * static_cast<int64_t>(length), &block[at], length);
    NormalizeFlag(block[at]);
    if (block.size() >= perBlock * length) {
      flush();
      copied(i + 1);
    }
  }
  block.push_back(kEndMark);
  flush();
}

void CopyRecordsByRank(RecordArea from, RecordArea to, uint32_t recordLength,
                       const std::vector<uint32_t>& rank, size_t perPass, size_t chunkBytes,
                       const CopiedReport& copied) {
  const size_t length = recordLength;
  const size_t count = rank.size();
  const size_t perChunk = std::max<size_t>(chunkBytes / length, 1);
  std::vector<char> chunk;
  std::vector<char> gathered;
  gathered.reserve(std::min(perPass, count) * length + 1);  // the end mark included
  for (size_t first = 0; first < count; first += perPass) {
    const size_t places = std::min(perPass, count - first);
    gathered.resize(places * length);
    for (size_t record = 0; record < count; record += perChunk) {
      const size_t records = std::min(perChunk, count - record);
      chunk.resize(records * length);
      from.file->ReadAt(from.start + static_cast<int64_t>(record * length), chunk.data(),
                        chunk.size());
      for (size_t k = 0; k < records; ++k) {
        const size_t place = rank[record + k] - first;
        if (place >= places) continue;
        std::memcpy(&gathered[place * length], &chunk[k * length], length);
        NormalizeFlag(gathered[place * length]);
      }
      copied(first + places * (record + records) / count);
    }
    if (first + places == count) gathered.push_back(kEndMark);
    WriteInBlocks(to, to.start + static_cast<int64_t>(first * length), gathered.data(),
                  gathered.size());
  }
}

}  // namespace dbf
