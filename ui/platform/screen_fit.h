// Places a top-level window within the screen's available area: the size
// and position it was designed with where they fit, else as much of them
// as the area leaves room for (the window frame included), so that every
// part of the window, its buttons too, can be reached on a small screen or
// at a large scale factor.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace ui {

// `topLeft` is the frame's position, `size` the client area's.
void FitOnScreen(QWidget& window, QPoint topLeft, QSize size);
// Centres the window over `owner`'s frame, within the available area.
void CentreOnScreen(QWidget& window, const QWidget& owner, QSize size);

}  // namespace ui
