// A winner (tournament) tree over items 0..n-1 given in file order. Level 0
// pairs items 2i and 2i+1; each level above pairs the slots of the one below;
// the single slot of the last level is the root and names the item that
// comes next. Taking the root replays only its path, one match per level.
// A match keeps the left item unless rightWins(left, right) says otherwise,
// and the left item is always the earlier one, so equal items keep their
// order.
#pragma once

#include <cstdint>
#include <vector>

namespace dbf {

template <class RightWins>
class WinnerTree {
 public:
  static constexpr uint32_t kEmpty = UINT32_MAX;

  WinnerTree(uint32_t count, RightWins rightWins)
      : rightWins_(rightWins), count_(count), used_(count, false) {
    if (count == 0) return;
    std::vector<uint32_t> level((count + 1) / 2);
    for (uint32_t i = 0; i < level.size(); ++i) {
      uint32_t right = 2 * i + 1;
      level[i] = Match(2 * i, right < count ? right : kEmpty);
    }
    levels_.push_back(std::move(level));
    while (levels_.back().size() > 1) {
      const std::vector<uint32_t>& below = levels_.back();
      std::vector<uint32_t> next((below.size() + 1) / 2);
      for (size_t i = 0; i < next.size(); ++i) next[i] = Pair(below, 2 * i);
      levels_.push_back(std::move(next));
    }
  }

  // The item that comes next, or kEmpty when every item has been taken.
  uint32_t Top() const { return levels_.empty() ? kEmpty : levels_.back()[0]; }

  // Marks the top item as taken and replays its path up to the root.
  void Pop() {
    uint32_t w = Top();
    if (w == kEmpty) return;
    used_[w] = true;
    uint32_t partner = w ^ 1u;
    size_t p = w / 2;
    levels_[0][p] = partner < count_ && !used_[partner] ? partner : kEmpty;
    for (size_t level = 1; level < levels_.size(); ++level) {
      levels_[level][p / 2] = Pair(levels_[level - 1], p & ~size_t{1});
      p /= 2;
    }
  }

 private:
  // The winner of slot `left` and the slot after it, if the level has one.
  uint32_t Pair(const std::vector<uint32_t>& below, size_t left) const {
    size_t right = left + 1;
    return Match(below[left], right < below.size() ? below[right] : kEmpty);
  }

  uint32_t Match(uint32_t left, uint32_t right) const {
    if (left == kEmpty) return right;
    if (right == kEmpty) return left;
    return rightWins_(left, right) ? right : left;
  }

  RightWins rightWins_;
  uint32_t count_;
  std::vector<std::vector<uint32_t>> levels_;
  std::vector<bool> used_;
};

}  // namespace dbf
