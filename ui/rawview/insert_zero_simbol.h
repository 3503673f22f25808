// TInsertZeroSimbol: the insert window, "Вставить символы в таблицу.". It
// inserts a run of one code into the raw view's table before or after a
// position, or at the end when the position lies beyond it.
#pragma once

#include "view_2_form.h"

namespace rawview {

class TInsertZeroSimbol : public TView_2_Form {
  Q_OBJECT

 public:
  static TInsertZeroSimbol* Open(ui::EventGuard& guard);

  void CloseView() override { Dispose(); }
  void RunInsertPanel() override;
  void ShowCopyPanel() override;
  void ShowInsertPanel() override { ShowCopyPanel(); }
  void InsertCharKey() override;
  void InsertLineKey() override;
  void InsertCountKey() override;
  void InsertCodeKey() override;
  void CloseInsertPanel() override { Dispose(); }
  void SetupPanels() override { ShowInsertPanel(); }

 protected:
  friend class TView_2_Form;
  using TView_2_Form::TView_2_Form;
};

}  // namespace rawview
