// Sorting a table into a new table. Memory holds one sort code per record
// (all in one array, record i's at i × code width) and the records' places
// found by winner trees; record bodies are read again from the source while
// the output is written, never all at once.
#include "dbf2_lib.h"

#include "dbf_header.h"
#include "dbf_names.h"
#include "dbf_sorted_copy.h"
#include "dbf_winner_tree.h"

#include <algorithm>
#include <cstring>
#include <endian.h>
#include <functional>
#include <optional>
#include <unistd.h>

namespace dbf {
namespace {

constexpr int64_t kSortChunk = 200000;
constexpr size_t kMaxKeys = 255;
// A sort's steps per record (keys, runs, merge, copy), and how many records
// the ordering takes between two steps told.
constexpr int64_t kSortStages = 4;
constexpr uint32_t kRankStep = 1u << 16;
// Records ordered by one tree before the runs are merged: a tree this small
// stays in cache, where one over all the records of a large table would
// wait for memory at nearly every level of every path.
constexpr uint32_t kRunRecords = 1u << 14;
// Output gathered in passes over the source takes at most this many bytes per
// record beyond the record's sort code, and never half the records' bytes.
constexpr size_t kPassBytesPerRecord = 64;
// With more passes than this, reading each record by its position is faster.
constexpr size_t kMaxPasses = 4;

// The first sixteen bytes of a record's code (zeros after a shorter code):
// they order codes as their first bytes do.
struct CodePrefix {
  const unsigned char* codes;
  size_t width;
  KeyPrefix operator()(uint32_t item) const {
    unsigned char bytes[sizeof(KeyPrefix)] = {};
    // Without keys there are no codes at all, and every prefix is zero.
    if (width != 0) {
      std::memcpy(bytes, codes + static_cast<size_t>(item) * width, std::min(width, sizeof bytes));
    }
    KeyPrefix prefix;
    std::memcpy(&prefix.high, bytes, 8);
    std::memcpy(&prefix.low, bytes + 8, 8);
    prefix.high = be64toh(prefix.high);
    prefix.low = be64toh(prefix.low);
    return prefix;
  }
  // Asks for the cache lines of an item's prefix ahead of its use.
  void Prefetch(uint32_t item) const {
    if (width == 0) return;
    const unsigned char* code = codes + static_cast<size_t>(item) * width;
    PrefetchLine(code);
    PrefetchLine(code + std::min(width, sizeof(KeyPrefix)) - 1);
  }
};

// Between equal prefixes: the right record wins when the rest of its code is lower.
struct CodeRestWins {
  const unsigned char* codes;
  size_t width;
  bool operator()(uint32_t left, uint32_t right) const {
    constexpr size_t kPrefix = sizeof(KeyPrefix);
    return width > kPrefix &&
           std::memcmp(codes + static_cast<size_t>(right) * width + kPrefix,
                       codes + static_cast<size_t>(left) * width + kPrefix, width - kPrefix) < 0;
  }
};

// The codes of the records of one run, numbered from its first.
struct RunPrefix {
  CodePrefix codes;
  uint32_t first;
  KeyPrefix operator()(uint32_t item) const { return codes(first + item); }
  void Prefetch(uint32_t item) const { codes.Prefetch(first + item); }
};
struct RunRestWins {
  CodeRestWins codes;
  uint32_t first;
  bool operator()(uint32_t left, uint32_t right) const { return codes(first + left, first + right); }
};

// A record in its run's order, with the first bytes of its code.
struct Placed {
  KeyPrefix prefix;
  uint32_t item;
};

// The merge's items are the runs, each standing for its first record not
// yet taken.
struct HeadPrefix {
  const Placed* placed;
  const uint32_t* heads;
  KeyPrefix operator()(uint32_t run) const { return placed[heads[run]].prefix; }
  void Prefetch(uint32_t) const {}
};
struct HeadRestWins {
  CodeRestWins codes;
  const Placed* placed;
  const uint32_t* heads;
  bool operator()(uint32_t left, uint32_t right) const {
    return codes(placed[heads[left]].item, placed[heads[right]].item);
  }
};

// The records in sorted order: runs of kRunRecords records in file order,
// each put in order by a winner tree, then merged by a winner tree over the
// runs. Both trees let the earlier of equal items win, and an earlier run
// holds earlier records, so equal records keep their order.
class SortedRecords {
 public:
  // Told the records put in order in their runs, after each run.
  SortedRecords(const std::vector<unsigned char>& codes, size_t width, uint32_t count,
                const std::function<void(uint32_t ordered)>& ordered)
      : placed_(count) {
    const CodePrefix prefixOf{codes.data(), width};
    const CodeRestWins restWins{codes.data(), width};
    for (uint32_t first = 0; first < count; first += kRunRecords) {
      const uint32_t n = std::min(kRunRecords, count - first);
      WinnerTree<RunPrefix, RunRestWins> run(n, {prefixOf, first}, {restWins, first});
      for (uint32_t at = first; at < first + n; ++at, run.Pop()) {
        const uint32_t item = first + run.Top();
        placed_[at] = {prefixOf(item), item};
      }
      heads_.push_back(first);
      ends_.push_back(first + n);
      ordered(first + n);
    }
    merge_.emplace(static_cast<uint32_t>(heads_.size()), HeadPrefix{placed_.data(), heads_.data()},
                   HeadRestWins{restWins, placed_.data(), heads_.data()});
  }

  // The next record in order (its index from 0).
  uint32_t Next() {
    const uint32_t run = merge_->Top();
    const uint32_t item = placed_[heads_[run]].item;
    if (++heads_[run] < ends_[run]) {
      merge_->TopChanged();
    } else {
      merge_->Pop();
    }
    return item;
  }

 private:
  std::vector<Placed> placed_;
  std::vector<uint32_t> heads_;  // by run: its first record not yet taken, in placed_
  std::vector<uint32_t> ends_;
  std::optional<WinnerTree<HeadPrefix, HeadRestWins>> merge_;
};

// The sort's memory per record, the larger of its two phases: codes, records
// placed in runs and ranks while the order is found; ranks and gathered
// records while copying.
uint64_t SortBytesPerRecord(size_t width) {
  static_assert(sizeof(Placed) + sizeof(uint32_t) <= kPassBytesPerRecord);
  return width + kPassBytesPerRecord + sizeof(uint32_t);
}

// Records gathered per pass over the source, or 0 when records are copied
// one by one because too many passes would be needed.
size_t RecordsPerPass(uint32_t count, uint32_t recordLength, size_t width) {
  const uint64_t perRecord = std::min<uint64_t>(recordLength / 2, width + kPassBytesPerRecord);
  const uint64_t perPass = std::max<uint64_t>(count * perRecord / recordLength, 1);
  return (count + perPass - 1) / perPass <= kMaxPasses ? static_cast<size_t>(perPass) : 0;
}

uint64_t HalfPhysicalMemory() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return UINT64_MAX;
  return static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize) / 2;
}

}  // namespace

void Dbf2_lib::DbfSortInit(uint16_t slot) {
  sortKeys_.clear();
  sortSlot_ = slot;
  DbfReopen(slot, Access::Read);
}

void Dbf2_lib::DbfSortAddKey(const std::string& name, int direction, uint16_t maxLength) {
  const std::string wanted = NormalName(name);
  if (wanted.empty() || sortKeys_.size() >= kMaxKeys) return;
  std::array<char, 10> key{};
  std::copy(wanted.begin(), wanted.end(), key.begin());
  const Slot* s = Find(sortSlot_);
  if (!s) return;
  for (const FieldNode& f : s->fields) {
    std::array<char, 10> stored = f.name;
    std::replace(stored.begin(), stored.end(), ' ', '\0');
    if (stored != key) continue;
    // A damaged descriptor of length 0 has no bytes to order by.
    if (f.length == 0) return;
    SortKey k;
    k.name = key;
    k.type = f.type;
    k.length = f.length;
    if (maxLength != 0 && (f.type == 'C' || f.type == 'D') && f.length > maxLength) {
      k.length = maxLength;
    }
    k.decimals = f.decimals;
    k.direction = static_cast<uint8_t>(direction);
    k.fieldOffset = f.offset;
    sortKeys_.push_back(k);
    return;
  }
}

void Dbf2_lib::SetSortMemoryLimit(uint64_t bytes) { sortMemoryLimit_ = bytes; }

uint64_t Dbf2_lib::SortMemoryLimit() {
  if (sortMemoryLimit_ == 0) sortMemoryLimit_ = HalfPhysicalMemory();
  return sortMemoryLimit_;
}

bool Dbf2_lib::SortNeedsTooMuchMemory(uint16_t source) {
  TableFile file;
  HeaderInfo info;
  // A source that cannot be read is left to the steps that report it.
  if (!file.OpenForReading(At(source).fileName) || !ReadHeader(file, file.Size(), info)) return false;
  const int64_t count = RecordCountOf(file, info.headerSize, info.recordLength);
  const size_t width = SortKeyCoder(sortKeys_, info.recordLength).Width();
  return static_cast<uint64_t>(count) * SortBytesPerRecord(width) > SortMemoryLimit();
}

SortOutcome Dbf2_lib::DbfSortTo(uint16_t source, uint16_t target) {
  if (SortNeedsTooMuchMemory(source)) return SortOutcome::TooLarge;
  if (!DbfCopyStructure(source, target)) return SortOutcome::SameFile;
  auto finish = [this] {
    sortKeys_.clear();
    sortKeys_.shrink_to_fit();
  };
  DbfReopen(source, Access::Read);
  if (!DbfIsOpen(source)) {
    finish();
    return SortOutcome::Sorted;
  }
  DbfReopen(target);
  if (!DbfIsOpen(target)) {
    DbfClose(source);
    finish();
    return SortOutcome::Sorted;
  }
  Slot& src = slots_[source - 1];
  Slot& dst = slots_[target - 1];
  const int64_t count = DbfRecCount(source);
  if (count == 0) {
    DbfClose(source);
    DbfClose(target);
    src.status = kStatusNoRecords;
    finish();
    return SortOutcome::Sorted;
  }
  WriteSorted(src, dst, SortKeyCoder(sortKeys_, src.recordLength), static_cast<uint32_t>(count));
  DbfClose(source);
  DbfClose(target);
  finish();
  return SortOutcome::Sorted;
}

std::vector<unsigned char> Dbf2_lib::LoadSortCodes(Slot& s, const SortKeyCoder& coder,
                                                   uint32_t count) {
  const size_t width = coder.Width();
  if (width == 0) return {};
  std::vector<unsigned char> codes(static_cast<size_t>(count) * width);
  const int64_t length = s.recordLength;
  const int64_t size = s.table.File().Size();
  std::vector<char> chunk;
  int64_t pos = s.headerSize;
  size_t done = 0;
  while (size - pos >= length && done < count) {
    int64_t records = std::max<int64_t>(std::min(size - pos, kSortChunk) / length, 1);
    chunk.resize(static_cast<size_t>(records * length));
    s.table.File().ReadAt(pos, chunk.data(), chunk.size());
    pos += static_cast<int64_t>(chunk.size());
    for (size_t at = 0; at < chunk.size(); at += static_cast<size_t>(length), ++done) {
      coder.Encode(chunk.data() + at, codes.data() + done * width);
    }
    Step(static_cast<int64_t>(done), kSortStages * static_cast<int64_t>(count));
  }
  return codes;
}

// Steps are told in records, four per record: reading the keys, ordering
// the runs, merging them, copying (the copy that merges as it goes takes two).
void Dbf2_lib::WriteSorted(Slot& src, Slot& dst, const SortKeyCoder& coder, uint32_t count) {
  const size_t width = coder.Width();
  const int64_t n = count;
  const int64_t total = kSortStages * n;
  const RecordArea from{&src.table.File(), src.headerSize};
  const RecordArea to{&dst.table.File(), dst.headerSize};
  const size_t perPass = RecordsPerPass(count, src.recordLength, width);
  const auto ordered = [&](uint32_t records) { Step(n + records, total); };
  if (perPass == 0) {
    const std::vector<unsigned char> codes = LoadSortCodes(src, coder, count);
    SortedRecords sorted(codes, width, count, ordered);
    CopyRecordsByIndex(
        from, to, src.recordLength, count, [&sorted] { return sorted.Next(); },
        [&](uint64_t copied) { Step(2 * n + 2 * static_cast<int64_t>(copied), total); });
    return;
  }
  std::vector<uint32_t> rank(count);
  {
    const std::vector<unsigned char> codes = LoadSortCodes(src, coder, count);
    SortedRecords sorted(codes, width, count, ordered);
    for (uint32_t place = 0; place < count; ++place) {
      rank[sorted.Next()] = place;
      if (place % kRankStep == 0) Step(2 * n + place, total);
    }
  }
  CopyRecordsByRank(from, to, src.recordLength, rank, perPass, kSortChunk,
                    [&](uint64_t copied) { Step(3 * n + static_cast<int64_t>(copied), total); });
}

}  // namespace dbf
