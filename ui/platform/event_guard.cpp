#include "event_guard.h"

#include "dbf_errors.h"
#include "progress.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace ui {

void ExitProcessNow(int code) {
  std::fflush(nullptr);
  std::_Exit(code);
}

void EventGuard::InstallEngineReporters() {
  dbf::SetFatalReporter([](int, const std::string&) {});
  dbf::SetMessageReporter([this](const std::string& message) { dialogs_.Message(message); });
}

void EventGuard::Run(const std::function<void()>& handler) {
  // A command never starts inside another one.
  if (Progress::Busy()) return;
  ++depth_;
  try {
    handler();
  } catch (const dbf::Stopped&) {
    // Stopped by the person: its writes are undone, nothing to tell.
  } catch (const dbf::DbfAbort& abort) {
    Failed(abort.message);
  } catch (const std::exception& e) {
    Failed(e.what());
  }
  if (--depth_ == 0 && after_) after_();
}

void EventGuard::Failed(const std::string& text) {
  const std::optional<std::string> explained = explain_ ? explain_(text) : std::nullopt;
  dialogs_.Message(explained ? *explained : text);
}

}  // namespace ui
