// Sorting a table into a new table. Memory holds one key string per record
// (all in one array, record i's at i × key length) and the winner tree's
// slots; record bodies are read again by number while the output is written.
#include "dbf2_lib.h"

#include "dbf_names.h"
#include "dbf_winner_tree.h"

#include <algorithm>

namespace dbf {
namespace {

constexpr int64_t kSortChunk = 200000;
// Sorted records are gathered into blocks of about this size before writing.
constexpr size_t kOutputBlock = 1 << 20;
constexpr size_t kMaxKeys = 255;

}  // namespace

void Dbf2_lib::DbfSortInit(uint16_t slot) {
  sortKeys_.clear();
  sortKeyLength_ = 0;
  sortSlot_ = slot;
  DbfReopen(slot);
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
    SortKey k;
    k.name = key;
    k.type = f.type;
    k.length = f.length;
    if (maxLength != 0 && (f.type == 'C' || f.type == 'D') && f.length > maxLength) {
      k.length = static_cast<uint8_t>(maxLength);
    }
    k.decimals = f.decimals;
    k.direction = static_cast<uint8_t>(direction);
    k.position = sortKeyLength_ + 1u;
    k.fieldOffset = f.offset;
    sortKeyLength_ = static_cast<uint16_t>(sortKeyLength_ + k.length);
    sortKeys_.push_back(k);
    return;
  }
}

SortOutcome Dbf2_lib::DbfSortTo(uint16_t source, uint16_t target) {
  if (!DbfCopyStructure(source, target)) return SortOutcome::SameFile;
  auto finish = [this] {
    sortKeys_.clear();
    sortKeys_.shrink_to_fit();
    sortKeyLength_ = 0;
  };
  DbfReopen(source);
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
  {
    std::vector<char> keyStrings = LoadSortKeys(src, count);
    WriteSorted(src, dst, keyStrings, static_cast<uint32_t>(count));
  }
  DbfClose(source);
  DbfClose(target);
  finish();
  return SortOutcome::Sorted;
}

std::vector<char> Dbf2_lib::LoadSortKeys(Slot& s, int64_t count) {
  const size_t width = sortKeyLength_;
  std::vector<char> keyStrings(static_cast<size_t>(count) * width);
  const int64_t length = s.recordLength;
  const int64_t size = s.file.Size();
  std::vector<char> chunk;
  int64_t pos = s.headerSize;
  size_t done = 0;
  while (size - pos >= length && done < static_cast<size_t>(count)) {
    int64_t records = std::max<int64_t>(std::min(size - pos, kSortChunk) / length, 1);
    chunk.resize(static_cast<size_t>(records * length));
    s.file.ReadAt(pos, chunk.data(), chunk.size());
    pos += static_cast<int64_t>(chunk.size());
    for (size_t at = 0; at < chunk.size(); at += static_cast<size_t>(length), ++done) {
      ExtractKeyString(sortKeys_, chunk.data() + at, s.recordLength,
                       keyStrings.data() + done * width);
    }
  }
  return keyStrings;
}

void Dbf2_lib::WriteSorted(Slot& src, Slot& dst, const std::vector<char>& keyStrings,
                           uint32_t count) {
  const size_t width = sortKeyLength_;
  const char* keys = keyStrings.data();
  auto rightWins = [this, keys, width](uint32_t left, uint32_t right) {
    return Precedes(sortKeys_, keys + right * width, keys + left * width);
  };
  WinnerTree<decltype(rightWins)> tree(count, rightWins);

  const size_t length = src.recordLength;
  const size_t perBlock = std::max<size_t>(kOutputBlock / length, 1);
  std::vector<char> block;
  block.reserve(perBlock * length + 1);
  int64_t writePos = dst.headerSize;
  auto flush = [&] {
    dst.file.WriteAt(writePos, block.data(), block.size());
    writePos += static_cast<int64_t>(block.size());
    block.clear();
  };
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t w = tree.Top();
    // Read the whole record by number, so that a last record with no end
    // mark after it is read like the others.
    const size_t at = block.size();
    block.resize(at + length);
    src.file.ReadDirectAt(src.headerSize + static_cast<int64_t>(w) * static_cast<int64_t>(length),
                          block.data() + at, length);
    block[at] = block[at] == kFlagDeleted ? kFlagDeleted : kFlagLive;
    tree.Pop();
    if (block.size() >= perBlock * length) flush();
  }
  block.push_back(kEndMark);
  flush();
}

}  // namespace dbf
