// TView_2_Form2: a second, read-only viewer of another file, from which a
// range can be copied into the transfer buffer. Closing it destroys it.
#pragma once

#include "view_2_form.h"

namespace rawview {

class TView_2_Form2 : public TView_2_Form {
  Q_OBJECT

 public:
  void CloseView() override { Dispose(); }

 protected:
  friend class TView_2_Form;
  using TView_2_Form::TView_2_Form;
};

}  // namespace rawview
