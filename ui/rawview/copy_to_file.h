// TCopyToFile: the copy window, "Копирование в файл.". It copies a range of
// the window it was opened from into the transfer buffer, reading that
// window's table as it is at the time of the copy.
#pragma once

#include "view_2_form2.h"

#include <QPointer>

namespace rawview {

class TCopyToFile : public TView_2_Form2 {
  Q_OBJECT

 public:
  // Opens a copy window on `source`'s table; it closes with its source.
  static TCopyToFile* Open(ui::EventGuard& guard, TView_2_Form* source);

  void RunCopyPanel() override;
  void ShowCopyPanel() override;
  void ShowInsertPanel() override { ShowCopyPanel(); }
  void CopyFirstCharKey() override;
  void CopyFirstLineKey() override;
  void CopyLastCharKey() override;
  void CopyLastLineKey() override;
  void SetupPanels() override { ShowCopyPanel(); }

 protected:
  friend class TView_2_Form;
  TCopyToFile(ui::EventGuard& guard, TView_2_Form* source);

 private:
  QPointer<TView_2_Form> source_;
};

}  // namespace rawview
