// The two option sets of the record grid: viewing (whole rows selected, no
// editing) and editing (single cells, the cell editor always open).
#pragma once

#include "grid_options.h"

constexpr ui::GridOptions kRecordGridViewing =
    ui::GridOption::FixedVertLine | ui::GridOption::FixedHorzLine | ui::GridOption::VertLine |
    ui::GridOption::HorzLine | ui::GridOption::ColSizing | ui::GridOption::Tabs | ui::GridOption::RowSelect;

constexpr ui::GridOptions kRecordGridEditing =
    ui::GridOption::FixedVertLine | ui::GridOption::FixedHorzLine | ui::GridOption::VertLine |
    ui::GridOption::HorzLine | ui::GridOption::ColSizing | ui::GridOption::Editing | ui::GridOption::Tabs |
    ui::GridOption::AlwaysShowEditor;
