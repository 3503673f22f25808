// The new-field panel Panel8: checks a new field's name, type, length and decimals and adds it to a table without records.
#pragma once

#include "task_panel.h"

class TForm2;

class TNewFieldPanel : public TaskPanel {
 public:
  explicit TNewFieldPanel(TForm2& form);

 private:
  TForm2& form_;
};
