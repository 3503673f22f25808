// The sort keys the benchmarks enter into the sort panel: SUM descending,
// then NAME ascending, with the output file's name.
#pragma once

#include "sort_panel.h"
#include "string_grid.h"

#include <QComboBox>
#include <QLineEdit>

#include <string>

namespace bench {

// The keys as a person enters them: the key count, then name and direction.
inline void EnterSortKeys(TSortPanel& panel, const std::string& target) {
  panel.ComboBox1->setCurrentIndex(1);
  panel.ComboBox1KeyPress();
  panel.StringGrid2->SetCell(1, 1, "sum");
  panel.StringGrid2->SetCell(1, 2, "2");
  panel.StringGrid2->SetCell(2, 1, "name");
  panel.StringGrid2->SetCell(2, 2, "1");
  panel.Edit5->setText(QString::fromStdString(target));
}

}  // namespace bench
