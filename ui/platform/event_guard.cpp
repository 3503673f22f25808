#include "event_guard.h"

#include "dbf_errors.h"
#include "progress.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <system_error>

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
    dialogs_.Message(abort.message);
  } catch (const std::system_error& e) {
    dialogs_.Message(e.what());
  } catch (const std::exception& e) {
    dialogs_.Message(e.what());
  }
  if (--depth_ == 0 && after_) after_();
}

}  // namespace ui
