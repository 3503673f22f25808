// The general-purpose cell store: every row's cells packed one after another
// (a length, then the bytes, per cell) in large shared blocks, and one 64-bit
// position per row. A table of a million records costs about its file size
// plus a few bytes per row, instead of one heap string per cell.
//
// Changing a row writes the whole row anew at the end of the last block; the
// old copy becomes dead space, reclaimed by compacting all rows once the dead
// space outweighs the live rows.
#pragma once

#include "cell_store.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class ByteArenaStore : public CellStore {
 public:
  int RowCount() const override { return static_cast<int>(rowPos_.size()); }
  int ColumnCount() const override { return columns_; }
  void Resize(int rows, int columns) override;

  std::string_view Cell(int row, int column) const override;
  void SetCell(int row, int column, std::string_view bytes) override;
  void SetRow(int row, const std::string_view* cells, int count) override;
  void InsertRow(int row) override;

  // Bytes held in blocks (live and dead) plus the row index; for measuring.
  uint64_t FootprintBytes() const;

 private:
  struct Block {
    std::unique_ptr<char[]> bytes;
    uint32_t capacity = 0;
  };
  static constexpr uint64_t kEmptyRow = ~uint64_t{0};

  const char* RowStart(int row) const;
  // The row's cells, as views into the blocks.
  std::vector<std::string_view> Unpack(int row) const;
  // Packs the cells into the blocks and points the row at them.
  void Store(int row, const std::string_view* cells, int count);
  void Forget(int row);
  char* Reserve(uint32_t size, uint64_t& position);
  void CompactIfWasteful();

  int columns_ = 0;
  std::vector<uint64_t> rowPos_;  // block index << 32 | offset, or kEmptyRow
  std::vector<Block> blocks_;
  uint32_t used_ = 0;  // bytes used in the last block
  uint64_t liveBytes_ = 0;
  uint64_t deadBytes_ = 0;
};

}  // namespace ui
