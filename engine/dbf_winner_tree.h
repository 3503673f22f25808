// A winner (tournament) tree over items 0..n-1 given in file order. Level 0
// pairs items 2i and 2i+1; each level above pairs the slots of the one below;
// the single slot of the last level is the root and names the item that
// comes next. Taking the root replays only its path, one match per level.
// Each slot holds its item together with the item's prefix, the first bytes
// of its key as numbers (prefixOf(item)), so that most matches compare
// numbers held in the tree itself: the lower prefix wins, and only between
// equal prefixes does restWins(left, right) decide whether the right item
// wins. The left item is always the earlier one and keeps its place unless
// beaten, so equal items keep their order. prefixOf.Prefetch(item) asks for
// the memory prefixOf(item) will read, ahead of the read.
#pragma once

#include <algorithm>
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
  // One 128-bit comparison, which compiles without branches.
  bool operator<(const KeyPrefix& other) const { return Wide() < other.Wide(); }
  unsigned __int128 Wide() const { return static_cast<unsigned __int128>(high) << 64 | low; }
};

// Asks for the cache line at `address` ahead of its use. The empty volatile
// statement keeps a loop of nothing but such requests from being dropped as
// a loop without effects.
inline void PrefetchLine(const void* address) {
  __builtin_prefetch(address);
  asm volatile("" : : "r"(address));
}

template <class PrefixOf, class RestWins>
class WinnerTree {
  struct Slot {
    KeyPrefix prefix;
    uint32_t item;
  };
  using Level = std::vector<Slot>;
  // An empty slot carries the highest prefix, so that a plain comparison of
  // prefixes lets any item beat it; only an item with that same prefix ties
  // with it, and ties are settled apart.
  static constexpr Slot kEmptySlot{{UINT64_MAX, UINT64_MAX}, UINT32_MAX};

 public:
  static constexpr uint32_t kEmpty = UINT32_MAX;
  // Memory per item: about one slot per item over all levels, and its flag.
  static constexpr size_t kBytesPerItem = sizeof(Slot) + 1;

  WinnerTree(uint32_t count, PrefixOf prefixOf, RestWins restWins)
      : prefixOf_(prefixOf), restWins_(restWins), count_(count), used_(count, false) {
    if (count == 0) return;
    Level level((count + 1) / 2);
    for (uint32_t i = 0; i < level.size(); ++i) {
      level[i] = Match(Leaf(2 * i), Leaf(2 * i + 1));
    }
    levels_.push_back(std::move(level));
    while (levels_.back().size() > 1) {
      const Level& below = levels_.back();
      Level next((below.size() + 1) / 2);
      for (size_t i = 0; i < next.size(); ++i) next[i] = Pair(below, 2 * i);
      levels_.push_back(std::move(next));
    }
    while (coldLevels_ + 1 < levels_.size() &&
           levels_[coldLevels_].size() * sizeof(Slot) > kCacheBytes) {
      ++coldLevels_;
    }
  }

  // The item that comes next, or kEmpty when every item has been taken.
  uint32_t Top() const { return levels_.empty() ? kEmpty : levels_.back()[0].item; }

  // Marks the top item as taken and replays its path up to the root.
  void Pop() {
    const uint32_t w = Top();
    if (w == kEmpty) return;
    used_[w] = true;
    // The next item is the best of the slots beside w's path, and most likely
    // one beside its top: the path of that item (its partner's prefix and the
    // partner slots below it) is asked for now, so that the next Pop finds it
    // in cache, instead of every Pop waiting for memory from scratch.
    for (size_t level = levels_.size() - 1, guesses = 0; level-- > 0 && guesses < kGuesses;) {
      const Level& slots = levels_[level];
      const size_t beside = (size_t{w} / 2 >> level) ^ 1u;
      if (beside < slots.size() && slots[beside].item != kEmpty) {
        PrefetchPath(slots[beside].item);
        ++guesses;
      }
    }
    PrefetchPath(w);
    const uint32_t partner = w ^ 1u;
    Slot carried = kEmptySlot;
    if (partner < count_) {
      const Slot leaf = Leaf(partner);
      carried = *(used_[partner] ? &kEmptySlot : &leaf);
    }
    CarryUp(w / 2, carried);
  }

  // The top item now has another prefix (prefixOf gives the new one) and
  // stays in the match: its path is replayed.
  void TopChanged() {
    const uint32_t w = Top();
    if (w == kEmpty) return;
    const uint32_t partner = w ^ 1u;
    const Slot mine = Leaf(w);
    Slot theirs = kEmptySlot;
    if (partner < count_ && !used_[partner]) theirs = Leaf(partner);
    CarryUp(w / 2, (w & 1) != 0 ? Match(theirs, mine) : Match(mine, theirs));
  }

 private:
  static constexpr size_t kGuesses = 3;
  static constexpr size_t kCacheBytes = size_t{1024} << 10;

  // Puts `carried` into slot p of level 0 and replays the path above it. The
  // winner so far is carried up the path in plain registers; each level only
  // reads the partner slot and stores the new winner.
  void CarryUp(size_t p, Slot carried) {
    uint64_t high = carried.prefix.high;
    uint64_t low = carried.prefix.low;
    uint32_t item = carried.item;
    levels_[0][p] = carried;
    for (size_t level = 1; level < levels_.size(); ++level) {
      const Level& below = levels_[level - 1];
      const size_t other = p ^ 1u;
      if (other < below.size()) {
        const Slot& o = below[other];
        if (o.prefix.high == high && o.prefix.low == low) [[unlikely]] {
          const Slot mine{{high, low}, item};
          item = ((p & 1) != 0 ? Tie(o, mine) : Tie(mine, o)).item;
        } else {
          // All ones when the partner's prefix is the lower: a select by
          // masks, as likely one way as the other, with no branch to mispredict.
          const uint64_t take = uint64_t{0} - (o.prefix < KeyPrefix{high, low});
          high = (o.prefix.high & take) | (high & ~take);
          low = (o.prefix.low & take) | (low & ~take);
          item = static_cast<uint32_t>((o.item & take) | (item & ~take));
        }
      }
      p /= 2;
      Slot& up = levels_[level][p];
      up.prefix.high = high;
      up.prefix.low = low;
      up.item = item;
    }
  }

  // Asks for what replaying `item`'s path reads: its partner's prefix and the
  // partner slots along its path, which lie far apart in memory.
  void PrefetchPath(uint32_t item) const {
    if ((item ^ 1u) < count_) prefixOf_.Prefetch(item ^ 1u);
    for (size_t level = 0, p = item / 2; level < coldLevels_; ++level, p /= 2) {
      const Level& slots = levels_[level];
      PrefetchLine(slots.data() + std::min(p ^ 1u, slots.size() - 1));
    }
  }

  Slot Leaf(uint32_t item) const {
    return item < count_ ? Slot{prefixOf_(item), item} : kEmptySlot;
  }

  // The winner of slot `left` and the slot after it, if the level has one.
  Slot Pair(const Level& below, size_t left) const {
    size_t right = left + 1;
    return Match(below[left], right < below.size() ? below[right] : kEmptySlot);
  }

  // Which of two prefixes wins is as likely one way as the other, so it is
  // chosen by a select, not a branch that would be mispredicted half the time.
  Slot Match(const Slot& left, const Slot& right) const {
    if (left.prefix == right.prefix) [[unlikely]] return Tie(left, right);
    return *(right.prefix < left.prefix ? &right : &left);
  }

  Slot Tie(const Slot& left, const Slot& right) const {
    if (left.item == kEmpty) return right;
    if (right.item == kEmpty) return left;
    return restWins_(left.item, right.item) ? right : left;
  }

  PrefixOf prefixOf_;
  RestWins restWins_;
  uint32_t count_;
  std::vector<Level> levels_;
  // The lowest levels, too large to stay in cache between visits; the levels
  // above them, and the root, are not prefetched.
  size_t coldLevels_ = 0;
  std::vector<bool> used_;
};

}  // namespace dbf
