// Remembers the program's window whose command runs: the last top-level
// window the window system activated that is not one of the dialogs the
// program shows for a command (message boxes, file and font dialogs).
// Right after such a dialog closes no window is active for a moment; a
// further dialog of the same command still belongs to the command's window.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ui {

class CommandWindow : public QObject {
 public:
  // Watches every window's activation from now on.
  CommandWindow();

  // The window, while it is shown; nullptr otherwise.
  QWidget* Window() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace ui
