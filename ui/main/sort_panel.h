// The sort panel Panel3: the key grid, the output name and the run of the sort.
#pragma once

#include "task_panel.h"

class TForm2;

class TSortPanel : public TaskPanel {
 public:
  explicit TSortPanel(TForm2& form);

 private:
  TForm2& form_;
};
