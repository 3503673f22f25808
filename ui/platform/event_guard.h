// The guard every event handler runs through, and the program's exit.
//
//  - An input/output failure inside a command (dbf::IoError or any other
//    std::system_error) shows its system text in a message box; the command
//    ends there and the program goes on.
//  - An engine error shows its numbered message and ends the program: the
//    fatal reporter that InstallEngineReporters puts in place does both
//    before the engine throws dbf::DbfAbort. The guard catches the abort and
//    ends the program itself if nobody did yet. When the exit function
//    returns (tests), the abort is swallowed so the test can look on.
//  - Any other exception shows its text, like an input/output failure.
//
// The exit function ends the process. The program's one flushes the standard
// streams and ends at once (no handler runs after it); tests inject one that
// records the code and returns.
#pragma once

#include "dialog_service.h"

#include <functional>
#include <utility>

namespace ui {

using ExitFunction = std::function<void(int code)>;

// The exit code after an engine error.
constexpr int kEngineErrorExitCode = 3;

// Ends the process at once with the code, after flushing the standard streams.
void ExitProcessNow(int code);

class EventGuard {
 public:
  EventGuard(DialogService& dialogs, ExitFunction exit)
      : dialogs_(dialogs), exit_(std::move(exit)) {}

  // Routes the engine's numbered errors and plain messages to the dialogs.
  void InstallEngineReporters();

  // Runs the handler under the rules above.
  void Run(const std::function<void()>& handler);

  // Wraps a handler so that it runs through Run, for connecting to signals.
  template <typename F>
  auto Guarded(F handler) {
    return [this, handler](auto&&...) { Run(handler); };
  }

  // Ends the program with the code.
  void Exit(int code) {
    exitRequested_ = true;
    exit_(code);
  }
  // True once Exit has been called (only observable when the exit returns).
  bool ExitRequested() const { return exitRequested_; }

  DialogService& Dialogs() { return dialogs_; }

 private:
  DialogService& dialogs_;
  ExitFunction exit_;
  bool exitRequested_ = false;
};

}  // namespace ui
