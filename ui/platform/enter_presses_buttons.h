// Enter (either key) on a focused push button presses it, in every window of
// the program, as Space and a click do. Qt leaves Enter to the default button
// of dialogs only; the panels and operation windows lead the focus along a
// chain of edits to their buttons with Enter, and a further Enter must then
// press the button. Installed once on the application.
#pragma once

#include <QObject>

namespace ui {

class EnterPressesButtons : public QObject {
 public:
  using QObject::QObject;

  // Installs one filter on the application; the application owns it.
  static void InstallOnApplication();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ui
