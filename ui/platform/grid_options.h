// The option set of a StringGrid: which lines are drawn, whether columns can
// be resized, whether cells can be edited, how Tab and selection behave.
#pragma once

#include <QFlags>

namespace ui {

enum class GridOption : unsigned {
  FixedVertLine = 1u << 0,  // lines between fixed cells
  FixedHorzLine = 1u << 1,
  VertLine = 1u << 2,  // lines between the other cells
  HorzLine = 1u << 3,
  ColSizing = 1u << 4,         // columns can be resized by dragging
  Editing = 1u << 5,           // cells outside the fixed rows and columns can be edited
  Tabs = 1u << 6,              // Tab moves between cells instead of leaving the grid
  AlwaysShowEditor = 1u << 7,  // with Editing: the editor opens as soon as a cell is entered
  RowSelect = 1u << 8,         // the whole row is selected
  RangeSelect = 1u << 9,       // a block of cells can be selected and copied (Ctrl+C)
};
Q_DECLARE_FLAGS(GridOptions, GridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(GridOptions)

}  // namespace ui
