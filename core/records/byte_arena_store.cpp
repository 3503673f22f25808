#include "byte_arena_store.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace ui {

namespace {

constexpr uint32_t kBlockSize = 4u << 20;

uint32_t VarintSize(size_t value) {
  uint32_t size = 1;
  while (value >= 0x80) {
    value >>= 7;
    ++size;
  }
  return size;
}

char* PutVarint(char* out, size_t value) {
  while (value >= 0x80) {
    *out++ = static_cast<char>((value & 0x7F) | 0x80);
    value >>= 7;
  }
  *out++ = static_cast<char>(value);
  return out;
}

const char* GetVarint(const char* in, size_t& value) {
  value = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(*in++);
    value |= static_cast<size_t>(byte & 0x7F) << shift;
    if (!(byte & 0x80)) return in;
  }
}

// Bytes a packed row takes: the cell count, then length and bytes per cell.
uint32_t PackedSize(const std::string_view* cells, int count) {
  size_t size = VarintSize(static_cast<size_t>(count));
  for (int c = 0; c < count; ++c) size += VarintSize(cells[c].size()) + cells[c].size();
  if (size > UINT32_MAX) throw std::length_error("grid row too large");
  return static_cast<uint32_t>(size);
}

uint32_t PackedSizeAt(const char* p) {
  const char* start = p;
  size_t count = 0;
  p = GetVarint(p, count);
  for (size_t c = 0; c < count; ++c) {
    size_t length = 0;
    p = GetVarint(p, length) + length;
  }
  return static_cast<uint32_t>(p - start);
}

}  // namespace

void ByteArenaStore::Resize(int rows, int columns) {
  if (rows < 0 || columns < 0) throw std::invalid_argument("negative grid size");
  if (rows == 0) {
    rowPos_.clear();
    rowPos_.shrink_to_fit();
    blocks_.clear();
    used_ = 0;
    liveBytes_ = deadBytes_ = 0;
    columns_ = columns;
    return;
  }
  for (int r = rows; r < RowCount(); ++r) Forget(r);
  rowPos_.resize(static_cast<size_t>(rows), kEmptyRow);
  if (columns < columns_) {
    // Cut rows that hold cells beyond the new last column, so that widening
    // the grid again shows empty cells there.
    for (int r = 0; r < rows; ++r) {
      std::vector<std::string_view> cells = Unpack(r);
      if (static_cast<int>(cells.size()) > columns) Store(r, cells.data(), columns);
    }
  }
  columns_ = columns;
  CompactIfWasteful();
}

const char* ByteArenaStore::RowStart(int row) const {
  if (row < 0 || row >= RowCount()) return nullptr;
  const uint64_t pos = rowPos_[static_cast<size_t>(row)];
  if (pos == kEmptyRow) return nullptr;
  return blocks_[pos >> 32].bytes.get() + (pos & 0xFFFFFFFFu);
}

std::string_view ByteArenaStore::Cell(int row, int column) const {
  const char* p = RowStart(row);
  if (!p || column < 0 || column >= columns_) return {};
  size_t count = 0;
  p = GetVarint(p, count);
  if (static_cast<size_t>(column) >= count) return {};
  for (int c = 0;; ++c) {
    size_t length = 0;
    p = GetVarint(p, length);
    if (c == column) return {p, length};
    p += length;
  }
}

std::vector<std::string_view> ByteArenaStore::Unpack(int row) const {
  std::vector<std::string_view> cells;
  const char* p = RowStart(row);
  if (!p) return cells;
  size_t count = 0;
  p = GetVarint(p, count);
  cells.reserve(count);
  for (size_t c = 0; c < count; ++c) {
    size_t length = 0;
    p = GetVarint(p, length);
    cells.emplace_back(p, length);
    p += length;
  }
  return cells;
}

void ByteArenaStore::SetCell(int row, int column, std::string_view bytes) {
  if (row < 0 || row >= RowCount() || column < 0 || column >= columns_) {
    throw std::out_of_range("grid cell outside the grid");
  }
  std::vector<std::string_view> cells = Unpack(row);
  if (static_cast<int>(cells.size()) <= column) {
    if (bytes.empty()) return;
    cells.resize(static_cast<size_t>(column) + 1);
  }
  // The new text may point into this store: copy it before packing.
  const std::string text(bytes);
  cells[static_cast<size_t>(column)] = text;
  Store(row, cells.data(), static_cast<int>(cells.size()));
  CompactIfWasteful();
}

void ByteArenaStore::SetRow(int row, const std::string_view* cells, int count) {
  if (row < 0 || row >= RowCount()) throw std::out_of_range("grid row outside the grid");
  Store(row, cells, std::min(count, columns_));
  CompactIfWasteful();
}

void ByteArenaStore::InsertRow(int row) {
  if (row < 0 || row > RowCount()) throw std::out_of_range("grid row outside the grid");
  rowPos_.insert(rowPos_.begin() + row, kEmptyRow);
}

void ByteArenaStore::Store(int row, const std::string_view* cells, int count) {
  while (count > 0 && cells[count - 1].empty()) --count;
  Forget(row);
  if (count == 0) return;
  const uint32_t size = PackedSize(cells, count);
  uint64_t position = 0;
  char* out = Reserve(size, position);
  out = PutVarint(out, static_cast<size_t>(count));
  for (int c = 0; c < count; ++c) {
    out = PutVarint(out, cells[c].size());
    if (!cells[c].empty()) std::memcpy(out, cells[c].data(), cells[c].size());
    out += cells[c].size();
  }
  rowPos_[static_cast<size_t>(row)] = position;
  liveBytes_ += size;
}

void ByteArenaStore::Forget(int row) {
  const char* p = RowStart(row);
  if (!p) return;
  const uint32_t size = PackedSizeAt(p);
  liveBytes_ -= size;
  deadBytes_ += size;
  rowPos_[static_cast<size_t>(row)] = kEmptyRow;
}

char* ByteArenaStore::Reserve(uint32_t size, uint64_t& position) {
  if (blocks_.empty() || blocks_.back().capacity - used_ < size) {
    const uint32_t capacity = std::max(kBlockSize, size);
    blocks_.push_back({std::unique_ptr<char[]>(new char[capacity]), capacity});
    used_ = 0;
  }
  position = (static_cast<uint64_t>(blocks_.size() - 1) << 32) | used_;
  char* out = blocks_.back().bytes.get() + used_;
  used_ += size;
  return out;
}

void ByteArenaStore::CompactIfWasteful() {
  if (deadBytes_ < kBlockSize || deadBytes_ < liveBytes_) return;
  std::vector<Block> old = std::move(blocks_);
  blocks_.clear();
  used_ = 0;
  for (uint64_t& pos : rowPos_) {
    if (pos == kEmptyRow) continue;
    const char* from = old[pos >> 32].bytes.get() + (pos & 0xFFFFFFFFu);
    const uint32_t size = PackedSizeAt(from);
    std::memcpy(Reserve(size, pos), from, size);
  }
  deadBytes_ = 0;
}

uint64_t ByteArenaStore::FootprintBytes() const {
  uint64_t bytes = rowPos_.capacity() * sizeof(uint64_t);
  for (const Block& b : blocks_) bytes += b.capacity;
  return bytes;
}

}  // namespace ui
