// The progress of a long command, and the person's way to stop it.
//
// While a Progress lives the command is busy: the cursor is the busy one, the
// bar shows how far the command has come and an "Отмена" button stands
// beside it. Every ~30 ms of work the window system's events are handled, so
// that the windows repaint; all input is swallowed then, except a click on
// the cancel button, Escape (which asks the same) and what goes to a modal
// dialog the command itself shows. So no second command can start inside the
// first, and the event guard refuses one that would.
//
// Asked to stop, the next Set throws dbf::Stopped (the engine's step report
// returns false, and the engine throws it), the command ends there, the
// safe-write way the command writes through undoes its writes, and the event
// guard ends it quietly.
//
// A command of several phases divides the bar among them, so that the bar
// reaches its end only when the command does. A Progress made while another
// lives is a part of it: it fills the outer one's current phase.
#pragma once

#include "dbf_errors.h"

#include <QPointer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QProgressBar;

namespace ui {

// Whether the person may stop the work a Progress covers. Work after the
// point of no return (refilling the grid from a table already changed)
// refuses it.
enum class Stop { Allowed, Refused };

class Progress {
 public:
  // One phase over the whole bar, 0 .. maximum. Without a bar the work is
  // busy all the same.
  Progress(QProgressBar* bar, int64_t maximum, Stop stop = Stop::Allowed);
  // Phases sharing the bar by their weights; each starts with Phase.
  Progress(QProgressBar* bar, std::vector<int> weights, Stop stop = Stop::Allowed);
  // Hides the bar and ends the busy state (the outermost one only).
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // Starts phase `index` (its positions 0 .. maximum) at its share's start.
  void Phase(size_t index, int64_t maximum);
  // Sets the position within the current phase; throws dbf::Stopped when
  // the person asked to stop and this work allows it.
  void Set(int64_t position);
  // The same as a step report for the engine: sets done of total and says
  // whether to go on.
  dbf::StepReport Steps();

  // How much of the whole bar is filled, 0 .. 1.
  double Fraction() const;
  // Asks to stop, as the cancel button does.
  void RequestStop();
  // The "Отмена" button beside the bar (none inside another Progress).
  QAbstractButton* CancelButton() const;
  // Whether any command is busy now.
  static bool Busy();

 private:
  struct BusyState;
  Progress* Root();
  const Progress* Root() const;
  // Fills the current phase to `within` (0 .. 1) and shows it on the bar.
  void Advance(double within);
  bool StopAllowed() const;
  // Enables the cancel button while the work allows a stop.
  void ShowStoppable();
  void Show(double fraction);

  Progress* outer_;
  // Where the current phase lies on the whole, as fractions, and its maximum.
  std::vector<double> starts_;
  size_t phase_ = 0;
  int64_t maximum_ = 1;
  Stop stop_;
  double fraction_ = 0;
  // The outermost Progress's own state.
  QPointer<QProgressBar> bar_;
  std::unique_ptr<BusyState> busy_;
  int shown_ = -1;
  bool stopAsked_ = false;
  std::chrono::steady_clock::time_point nextEvents_;
};

// Tests: runs the function at every position set while it lives, before
// the Progress looks for a stop, as the person could click at any moment.
class ProgressWatch {
 public:
  explicit ProgressWatch(std::function<void(Progress&)> watch);
  ~ProgressWatch();
  ProgressWatch(const ProgressWatch&) = delete;
  ProgressWatch& operator=(const ProgressWatch&) = delete;
};

}  // namespace ui
