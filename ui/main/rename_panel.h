// The rename panel Panel7: gives one field of the table a new name in place.
#pragma once

#include "task_panel.h"

class TForm2;

class TRenamePanel : public TaskPanel {
 public:
  explicit TRenamePanel(TForm2& form);

 private:
  TForm2& form_;
};
