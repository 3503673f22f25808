#include "progress.h"

#include <QProgressBar>

#include <algorithm>

namespace ui {

namespace {

// The bar's own range; positions are scaled onto it.
constexpr int kSteps = 500;

}  // namespace

Progress::Progress(QProgressBar* bar, int64_t maximum) : bar_(bar), maximum_(std::max<int64_t>(maximum, 1)) {
  bar_->setRange(0, kSteps);
  bar_->setValue(0);
  bar_->show();
  bar_->repaint();
  shown_ = 0;
}

Progress::~Progress() { bar_->hide(); }

void Progress::Set(int64_t position) {
  const int step = static_cast<int>(std::clamp<int64_t>(position, 0, maximum_) * kSteps / maximum_);
  if (step == shown_) return;
  shown_ = step;
  bar_->setValue(step);
  bar_->repaint();
}

}  // namespace ui
