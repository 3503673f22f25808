#include "screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

// The frame a window manager puts around a window whose frame is not known
// yet (not shown, or shown a moment ago): a title bar and thin borders.
constexpr QMargins kUnknownFrame(6, 32, 6, 6);

QMargins FrameOf(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  if (!window.isVisible() || frame == client) return kUnknownFrame;
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
  const QSize outer = client.grownBy(frame);
  const int left = std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
  const int top = std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
  // Placed by its client area: the window manager puts its frame around
  // that, which keeps the frame where it is meant to be however the frame
  // was known.
  window.setGeometry(QRect(QPoint(left + frame.left(), top + frame.top()), client));
}

void CentreOnScreen(QWidget& window, const QWidget& owner, QSize size) {
  const QRect over = owner.frameGeometry();
  const QMargins frame = FrameOf(window);
  const QSize outer = size.grownBy(frame);
  FitOnScreen(window, over.center() - QPoint(outer.width() / 2, outer.height() / 2), size);
}

}  // namespace ui
