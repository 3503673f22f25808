// TDeleteSimbol: the delete window. It deletes a range of characters from
// the raw view's table.
#pragma once

#include "view_2_form.h"

namespace rawview {

class TDeleteSimbol : public TView_2_Form {
  Q_OBJECT

 public:
  static TDeleteSimbol* Open(ui::EventGuard& guard);

  void CloseView() override { Dispose(); }
  void DeleteFirstCharKey() override;
  void DeleteFirstLineKey() override;
  void DeleteLastCharKey() override;
  void DeleteLastLineKey() override;
  void RunDeletePanel() override;
  void CloseDeletePanel() override { Dispose(); }

 protected:
  friend class TView_2_Form;
  using TView_2_Form::TView_2_Form;
};

}  // namespace rawview
