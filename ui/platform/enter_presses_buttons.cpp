#include "enter_presses_buttons.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace ui {

void EnterPressesButtons::InstallOnApplication() {
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new EnterPressesButtons(app));
}

bool EnterPressesButtons::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* button = qobject_cast<QPushButton*>(watched);
  if (!button || !button->hasFocus() || !button->isEnabled()) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
  if (!enter || others != Qt::NoModifier || key->isAutoRepeat()) return false;
  button->click();
  return true;
}

}  // namespace ui
