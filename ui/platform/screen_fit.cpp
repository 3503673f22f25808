#include "screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

// The frame a window manager puts around a window not yet shown: a title bar
// and thin borders.
constexpr QMargins kUnshownFrame(6, 32, 6, 6);

QMargins FrameOf(const QWidget& window) {
  if (!window.isVisible()) return kUnshownFrame;
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

QRect Available(const QWidget& window, QPoint near) {
  QScreen* screen = QGuiApplication::screenAt(near);
  if (!screen) screen = window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(near, QSize(1 << 14, 1 << 14));
}

}  // namespace

void FitOnScreen(QWidget& window, QPoint topLeft, QSize size) {
  const QRect area = Available(window, topLeft);
  const QMargins frame = FrameOf(window);
  const QSize room(area.width() - frame.left() - frame.right(), area.height() - frame.top() - frame.bottom());
  const QSize client = size.boundedTo(room).expandedTo(window.minimumSize());
  window.resize(client);
  const QSize outer = client.grownBy(frame);
  const int left = std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
  const int top = std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
  window.move(left, top);
}

void CentreOnScreen(QWidget& window, const QWidget& owner, QSize size) {
  const QRect over = owner.frameGeometry();
  const QMargins frame = FrameOf(window);
  const QSize outer = size.grownBy(frame);
  FitOnScreen(window, over.center() - QPoint(outer.width() / 2, outer.height() / 2), size);
}

}  // namespace ui
