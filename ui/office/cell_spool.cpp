#include "cell_spool.h"

#include "office_automation.h"

#include <algorithm>
#include <cstring>
#include <queue>

namespace office {

namespace {

constexpr size_t kReaderBytes = 256 << 10;
// More runs than this are sorted in memory instead of merged from the file.
constexpr size_t kMostMergedRuns = 16;
constexpr size_t kHeaderBytes = 12;  // row, kind and column, text length
// A cell's kind is kept above its column, which never reaches these bits.
constexpr uint32_t kKindShift = 24;
constexpr uint32_t kColumnBits = (1u << kKindShift) - 1;
constexpr uint32_t kDateWidth = 10;

uint32_t U32(const char* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

// Reads one run of the file, cell by cell, through its own buffer.
class RunReader {
 public:
  RunReader(const SpoolFile& file, int64_t begin, int64_t end) : file_(file), pos_(begin), end_(end) {}

  // False at the end of the run.
  bool Next() {
    if (!Fill(kHeaderBytes)) return false;
    row = U32(&data_[at_]);
    col = U32(&data_[at_ + 4]);
    const uint32_t length = U32(&data_[at_ + 8]);
    at_ += kHeaderBytes;
    if (!Fill(length)) throw AutomationError("cell spool: the file ended inside a cell");
    text = std::string_view(&data_[at_], length);
    at_ += length;
    return true;
  }

  uint32_t row = 0;
  uint32_t col = 0;
  std::string_view text;

 private:
  // Makes `n` bytes available at at_; false at the end of the run.
  bool Fill(size_t n) {
    if (data_.size() - at_ >= n) return true;
    data_.erase(0, at_);
    at_ = 0;
    while (data_.size() < n && pos_ < end_) {
      const size_t old = data_.size();
      const size_t want = static_cast<size_t>(std::min<int64_t>(std::max(n, kReaderBytes), end_ - pos_));
      data_.resize(old + want);
      const size_t got = file_.ReadAt(pos_, &data_[old], want);
      if (got == 0) throw AutomationError("cell spool: the file is shorter than written");
      data_.resize(old + got);
      pos_ += static_cast<int64_t>(got);
    }
    return data_.size() >= n;
  }

  const SpoolFile& file_;
  int64_t pos_;
  int64_t end_;
  std::string data_;
  size_t at_ = 0;
};

}  // namespace

void CellSpool::Add(uint32_t row, uint32_t col, std::string_view text, uint8_t kind) {
  if (cells_ == 0 || row < lastRow_) runStarts_.push_back(file_.Size());
  lastRow_ = row;
  ++cells_;
  if (longest_.size() < col) longest_.resize(col, 0);
  // A date shows as dd.mm.yyyy whatever its stored text.
  const uint32_t shown = kind == static_cast<uint8_t>(CellKind::Date) ? kDateWidth : static_cast<uint32_t>(text.size());
  longest_[col - 1] = std::max(longest_[col - 1], shown);
  char header[kHeaderBytes];
  const uint32_t length = static_cast<uint32_t>(text.size());
  std::memcpy(header, &row, 4);
  const uint32_t kindAndColumn = static_cast<uint32_t>(kind) << kKindShift | col;
  std::memcpy(header + 4, &kindAndColumn, 4);
  std::memcpy(header + 8, &length, 4);
  file_.Append(std::string_view(header, kHeaderBytes));
  file_.Append(text);
}

void CellSpool::ForEachInRowOrder(const CellVisitor& visit) {
  file_.Flush();
  if (runStarts_.size() <= kMostMergedRuns) MergeRuns(visit);
  else SortInMemory(visit);
}

void CellSpool::MergeRuns(const CellVisitor& visit) {
  std::vector<RunReader> readers;
  readers.reserve(runStarts_.size());
  for (size_t i = 0; i < runStarts_.size(); ++i) {
    const int64_t end = i + 1 < runStarts_.size() ? runStarts_[i + 1] : file_.Size();
    readers.emplace_back(file_, runStarts_[i], end);
  }
  // Lowest row first; within a row, the run written first.
  auto later = [&](size_t a, size_t b) {
    return readers[a].row != readers[b].row ? readers[a].row > readers[b].row : a > b;
  };
  std::priority_queue<size_t, std::vector<size_t>, decltype(later)> heads(later);
  for (size_t i = 0; i < readers.size(); ++i) {
    if (readers[i].Next()) heads.push(i);
  }
  while (!heads.empty()) {
    const size_t i = heads.top();
    heads.pop();
    visit(readers[i].row, readers[i].col & kColumnBits, static_cast<uint8_t>(readers[i].col >> kKindShift), readers[i].text);
    if (readers[i].Next()) heads.push(i);
  }
}

void CellSpool::SortInMemory(const CellVisitor& visit) {
  struct Cell {
    uint32_t row;
    uint32_t col;
    std::string text;
  };
  std::vector<Cell> cells;
  cells.reserve(static_cast<size_t>(cells_));
  RunReader all(file_, 0, file_.Size());
  while (all.Next()) cells.push_back({all.row, all.col, std::string(all.text)});
  std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) { return a.row < b.row; });
  for (const Cell& c : cells) visit(c.row, c.col & kColumnBits, static_cast<uint8_t>(c.col >> kKindShift), c.text);
}

}  // namespace office
