#include "command_window.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace ui {

namespace {

bool IsCommandDialog(const QWidget* window) {
  return qobject_cast<const QMessageBox*>(window) || qobject_cast<const QFileDialog*>(window) ||
         qobject_cast<const QFontDialog*>(window);
}

}  // namespace

CommandWindow::CommandWindow() {
  if (QWidget* active = QApplication::activeWindow(); active && !IsCommandDialog(active)) window_ = active;
  QCoreApplication::instance()->installEventFilter(this);
}

QWidget* CommandWindow::Window() const { return window_ && window_->isVisible() ? window_.data() : nullptr; }

bool CommandWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow() && !IsCommandDialog(widget)) window_ = widget;
  }
  return false;
}

}  // namespace ui
