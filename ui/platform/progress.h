// A progress bar advanced from inside a long loop. The bar is repainted on
// the spot (never by handing control back to the event loop, so no other
// event runs in the middle of a command), and only when its visible position
// moves, so a loop over millions of records costs a few hundred repaints.
#pragma once

#include <cstdint>

class QProgressBar;

namespace ui {

class Progress {
 public:
  // Shows the bar with the range 0 .. maximum at position 0; hides it again
  // when the Progress goes.
  Progress(QProgressBar* bar, int64_t maximum);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void Set(int64_t position);

 private:
  QProgressBar* bar_;
  int64_t maximum_;
  int shown_ = -1;
};

}  // namespace ui
