// Text made ready for a read-only text window. Qt lays a line out as one
// piece, at a cost that grows much faster than its length: a memo of one
// long line would hold the window for many seconds. Long lines are shown
// over several, so every piece laid out is short.
#pragma once

#include <QString>

namespace ui {

// The longest line a text window lays out.
constexpr qsizetype kLongestShownLine = 1000;

// `text` with every line longer than `longest` characters broken into lines
// of at most `longest` (one more where a character would be cut in two): after the last space that ends a piece, or where the
// piece ends when it has none. Shorter lines stay as they are.
QString WithLongLinesBroken(const QString& text, qsizetype longest = kLongestShownLine);

}  // namespace ui
