// A winner (tournament) tree over items 0..n-1 given in file order. Level 0
// pairs items 2i and 2i+1; each level above pairs the slots of the one below;
// the single slot of the last level is the root and names the item that
// comes next. Taking the root replays only its path, one match per level.
// Each slot holds its item together with the item's prefix, the first bytes
// of its key as numbers (prefixOf(item)), so that most matches compare
// numbers held in the tree itself: the lower prefix wins, and only between
// equal prefixes does restWins(left, right) decide whether the right item
// wins. The left item is always the earlier one and keeps its place unless
// beaten, so equal items keep their order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace dbf {

// The first sixteen bytes of a key as two big-endian numbers, which order
// like the bytes.
struct KeyPrefix {
  uint64_t high = 0;
  uint64_t low = 0;
  bool operator==(const KeyPrefix&) const = default;
  bool operator<(const KeyPrefix& other) const {
    return high != other.high ? high < other.high : low < other.low;
  }
};

template <class PrefixOf, class RestWins>
class WinnerTree {
  struct Slot {
    KeyPrefix prefix;
    uint32_t item;
  };

 public:
  static constexpr uint32_t kEmpty = UINT32_MAX;
  // Memory per item: about one slot per item over all levels, and its flag.
  static constexpr size_t kBytesPerItem = sizeof(Slot) + 1;

  WinnerTree(uint32_t count, PrefixOf prefixOf, RestWins restWins)
      : prefixOf_(prefixOf), restWins_(restWins), count_(count), used_(count, false) {
    if (count == 0) return;
    std::vector<Slot> level((count + 1) / 2);
    for (uint32_t i = 0; i < level.size(); ++i) {
      level[i] = Match(Leaf(2 * i), Leaf(2 * i + 1));
    }
    levels_.push_back(std::move(level));
    while (levels_.back().size() > 1) {
      const std::vector<Slot>& below = levels_.back();
      std::vector<Slot> next((below.size() + 1) / 2);
      for (size_t i = 0; i < next.size(); ++i) next[i] = Pair(below, 2 * i);
      levels_.push_back(std::move(next));
    }
  }

  // The item that comes next, or kEmpty when every item has been taken.
  uint32_t Top() const { return levels_.empty() ? kEmpty : levels_.back()[0].item; }

  // Marks the top item as taken and replays its path up to the root.
  void Pop() {
    uint32_t w = Top();
    if (w == kEmpty) return;
    used_[w] = true;
    const uint32_t partner = w ^ 1u;
    size_t p = w / 2;
    levels_[0][p] = partner < count_ && !used_[partner] ? Leaf(partner) : Slot{{}, kEmpty};
    for (size_t level = 1; level < levels_.size(); ++level) {
      levels_[level][p / 2] = Pair(levels_[level - 1], p & ~size_t{1});
      p /= 2;
    }
  }

 private:
  Slot Leaf(uint32_t item) const {
    return item < count_ ? Slot{prefixOf_(item), item} : Slot{{}, kEmpty};
  }

  // The winner of slot `left` and the slot after it, if the level has one.
  Slot Pair(const std::vector<Slot>& below, size_t left) const {
    size_t right = left + 1;
    return Match(below[left], right < below.size() ? below[right] : Slot{{}, kEmpty});
  }

  Slot Match(const Slot& left, const Slot& right) const {
    if (left.item == kEmpty) return right;
    if (right.item == kEmpty) return left;
    if (left.prefix != right.prefix) return right.prefix < left.prefix ? right : left;
    return restWins_(left.item, right.item) ? right : left;
  }

  PrefixOf prefixOf_;
  RestWins restWins_;
  uint32_t count_;
  std::vector<std::vector<Slot>> levels_;
  std::vector<bool> used_;
};

}  // namespace dbf
