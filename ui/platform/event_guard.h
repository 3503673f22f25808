// The guard every event handler runs through, and the program's exit.
//
//  - An input/output failure inside a command (dbf::IoError or any other
//    std::system_error) shows its system text in a message box; the command
//    ends there and the program goes on.
//  - An engine error (dbf::DbfAbort: a file that is no table, a field the
//    command cannot find) abandons the command: the engine has closed its
//    tables on the way out, the numbered message is shown, and the program
//    goes on with what the windows show, unsaved edits included.
//  - A command the person stopped (dbf::Stopped) ends quietly.
//  - Any other exception shows its text, like an input/output failure.
//  - When the failure has a known cause outside the command (the window's
//    table file is gone), the message names that cause instead.
//  - While a command is busy (see progress.h) no other handler runs.
//
// The exit function ends the process. The program's one flushes the standard
// streams and ends at once (no handler runs after it); tests inject one that
// records the code and returns.
#pragma once

#include "dialog_service.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace ui {

using ExitFunction = std::function<void(int code)>;

// Ends the process at once with the code, after flushing the standard streams.
void ExitProcessNow(int code);

class EventGuard {
 public:
  EventGuard(DialogService& dialogs, ExitFunction exit)
      : dialogs_(dialogs), exit_(std::move(exit)) {}

  // Routes the engine's plain messages to the dialogs; its numbered errors
  // reach the person through Run.
  void InstallEngineReporters();

  // Runs the handler under the rules above.
  void Run(const std::function<void()>& handler);

  // Wraps a handler so that it runs through Run, for connecting to signals.
  template <typename F>
  auto Guarded(F handler) {
    return [this, handler](auto&&...) { Run(handler); };
  }

  // Runs `after` once every command has ended, however it ended (not after
  // a handler run from inside another one, such as a dialog's button): the
  // version store records there what the command left. Empty: nothing.
  void AfterEachCommand(std::function<void()> after) { after_ = std::move(after); }

  // What a failed command says instead of its own text (given) when
  // something outside it explains the failure; nothing: its own text.
  // Empty: always its own text.
  using FailureExplainer = std::function<std::optional<std::string>(const std::string& failure)>;
  void ExplainFailures(FailureExplainer explain) { explain_ = std::move(explain); }

  // Ends the program with the code.
  void Exit(int code) { exit_(code); }

  DialogService& Dialogs() { return dialogs_; }

 private:
  // Shows a failed command's text, or the explanation that replaces it.
  void Failed(const std::string& text);

  DialogService& dialogs_;
  ExitFunction exit_;
  std::function<void()> after_;
  FailureExplainer explain_;
  int depth_ = 0;  // handlers running, one inside another
};

}  // namespace ui
