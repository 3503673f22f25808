// A cell a grid draws otherwise than its bytes say and never edits (a memo
// field shows its memo's text, not the block number it holds).
#pragma once

#include <QString>

namespace ui {

struct ShownCell {
  QString text;        // what the cell shows
  bool fault = false;  // nothing could be read for it: drawn in the warning tint
  QString tip;         // the tool tip over it
};

}  // namespace ui
