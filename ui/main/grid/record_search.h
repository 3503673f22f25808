// Finding text in the record grid's cells as they are drawn in the table's
// code page. For a single-byte code page the text is turned into that page's
// bytes once and compared with the cells' bytes through a table that maps
// every byte to one byte per drawn character (folded to one case unless the
// case must match), so a search never decodes the cells. The system's own
// code page, which may take several bytes a character, decodes each cell.
#pragma once

#include "code_page.h"

#include <QString>

#include <array>
#include <functional>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class RecordStore;

struct SearchRequest {
  QString text;
  int column = 0;  // a field's grid column; 0: every field's column
  bool matchCase = false;
};

// The rows a search goes through, in the order they are shown: `count`
// rows, the place-th (from 0) being gridRow(place), and back; a count below
// 0 stands for every data row in grid order.
struct ShownRows {
  int count = -1;
  std::function<int(int place)> gridRow;
  std::function<int(int gridRow)> placeOf;  // -1 for a row not shown
};

struct GridCell {
  int row = 0;
  int col = 0;
  bool operator==(const GridCell&) const = default;
};

class RecordSearch {
 public:
  RecordSearch(SearchRequest request, ui::CodePage page);

  // True when the cell's text, as drawn, contains the text searched for.
  bool Matches(std::string_view cell) const;

  // The next field cell after `from` in the order of the rows shown (before
  // it, going backwards) whose text matches, going on from the other end;
  // `from` itself when it is the only one. Nothing when no cell matches.
  std::optional<GridCell> Find(const RecordStore& rows, GridCell from, bool backwards,
                               const ShownRows& shown = {}) const;

 private:
  bool MatchesBytes(std::string_view cell) const;

  SearchRequest request_;
  ui::CodePage page_;
  bool singleByte_;
  bool impossible_ = false;  // a character of the text has no byte in the page
  std::array<uint8_t, 256> canonical_{};  // every byte to the one byte of its drawn (folded) character
  std::string needle_;                    // the text in canonical bytes
};
