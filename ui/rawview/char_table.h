// The raw view's character table: sixteen code cells to a row, character k
// (1-based) in row (k - 1) / 16 + 1 at position (k - 1) % 16 + 1.
//
// A cell holds text, as a grid cell does, but almost every cell holds a plain
// code: 0 .. 255 in decimal, either right-aligned in three characters (as
// loading writes it) or without blanks (as every other step writes it). Such
// a cell costs one byte plus two state bits; only a cell whose text is
// anything else (typed by the user: "1a", "256", " 07 ") is kept as text.
// A file of 50 MB therefore takes about 1.25 bytes per character.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rawview {

inline constexpr int kCodesPerRow = 16;

// Index of the character at `row` (1-based) and `charNo` (1 .. 16).
inline int64_t CharIndex(int64_t row, int64_t charNo) { return (row - 1) * kCodesPerRow + charNo; }
inline int64_t RowOfIndex(int64_t index) { return (index - 1) / kCodesPerRow + 1; }
inline int CharNoOfIndex(int64_t index) { return static_cast<int>((index - 1) % kCodesPerRow) + 1; }
// Data rows needed for `length` characters.
inline int64_t RowsFor(int64_t length) { return length / kCodesPerRow + (length % kCodesPerRow > 0 ? 1 : 0); }

// The character shown for a code in the row's text column: itself above 32,
// otherwise the character of code 127.
inline char ShownChar(uint8_t code) { return code > 32 ? static_cast<char>(code) : '\x7f'; }

class CharTable {
 public:
  int64_t RowCount() const { return rows_; }
  // New rows come empty; cells of dropped rows are gone.
  void SetRowCount(int64_t rows);
  bool Contains(int64_t index) const { return index >= 1 && index <= rows_ * kCodesPerRow; }

  // Cell access by character index; the index must be inside the table.
  std::string Text(int64_t index) const;
  bool IsEmpty(int64_t index) const;
  void SetText(int64_t index, std::string_view text);
  // A code written without blanks, or right-aligned in three characters.
  void SetCode(int64_t index, uint8_t code, bool padded = false);
  void SetEmpty(int64_t index);
  // Cell `to` gets the trimmed text of cell `from`.
  void MoveTrimmed(int64_t from, int64_t to);

  // The number the cell's trimmed text (cut to `maxChars` characters)
  // converts to; none for an empty or malformed cell.
  std::optional<int32_t> Value(int64_t index, size_t maxChars = std::string_view::npos) const;
  // The cell's code when its text is a number 0 .. 255.
  std::optional<uint8_t> Code(int64_t index) const;

  // Fills data row `row` as loading does: n codes right-aligned in three
  // characters, the cells after them empty.
  void SetLoadedRow(int64_t row, const uint8_t* bytes, int n);

  // Column 1 of a data row: each non-empty cell as ShownChar of its code (a
  // cell that is not a code shows character 127).
  std::string RowChars(int64_t row) const;

 private:
  enum State : uint32_t { kEmpty = 0, kPadded = 1, kBare = 2, kText = 3 };
  State StateOf(int64_t index) const;
  void SetState(int64_t index, State s);

  int64_t rows_ = 0;
  std::vector<uint8_t> codes_;            // one byte per cell
  std::vector<uint32_t> states_;          // two bits per cell, one word per row
  std::unordered_map<int64_t, std::string> texts_;  // cells in state kText
};

}  // namespace rawview
