// The record grid's widths in the grid's current font: a field's column
// shows its whole length (up to kWidestColumn characters) and its name, the
// record-number column the largest record number with its deletion mark,
// and a row the font's height. Never narrower or lower than the grid's
// design widths (80) and row height (24).
#pragma once

#include <vector>

namespace ui {
class StringGrid;
}

// Wider fields are cut to this many characters; the user may widen them.
constexpr int kWidestColumn = 40;

// `fieldLengths`: the length of the field shown in each column after the
// record-number column.
void FitRecordColumns(ui::StringGrid& grid, const std::vector<int>& fieldLengths);
