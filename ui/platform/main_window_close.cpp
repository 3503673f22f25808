#include "main_window_close.h"

#include <QEvent>
#include <QWidget>

namespace ui {

bool MainWindowClose::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Close) return false;
  const auto* window = qobject_cast<QWidget*>(watched);
  if (window && (!window->isEnabled() || window->isHidden())) {
    event->ignore();
    return true;  // the window's own close handler does not run either
  }
  // The window's own close handler may refuse (unsaved edits the user
  // keeps): the program ends only when the window accepts.
  watched->event(event);
  if (event->isAccepted()) endProgram_();
  return true;
}

}  // namespace ui
