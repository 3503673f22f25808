// The repair panel Panel6: rebuilds a damaged header into a repaired copy of the table.
#pragma once

#include "task_panel.h"

class TForm2;

class TRepairPanel : public TaskPanel {
 public:
  explicit TRepairPanel(TForm2& form);

 private:
  TForm2& form_;
};
