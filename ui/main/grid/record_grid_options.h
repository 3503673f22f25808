// The two option sets of the record grid: viewing (no editing) and editing
// (a cell's editor opens on a double-click, F2, Enter or a typed character).
// Both select blocks of cells.
#pragma once

#include "grid_options.h"

constexpr ui::GridOptions kRecordGridViewing =
    ui::GridOption::FixedVertLine | ui::GridOption::FixedHorzLine | ui::GridOption::VertLine |
    ui::GridOption::HorzLine | ui::GridOption::ColSizing | ui::GridOption::Tabs | ui::GridOption::RangeSelect;

constexpr ui::GridOptions kRecordGridEditing = kRecordGridViewing | ui::GridOption::Editing;
