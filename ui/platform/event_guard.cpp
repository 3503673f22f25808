#include "event_guard.h"

#include "dbf_errors.h"

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
  try {
    handler();
  } catch (const dbf::DbfAbort& abort) {
    dialogs_.Message(abort.message);
  } catch (const std::system_error& e) {
    dialogs_.Message(e.what());
  } catch (const std::exception& e) {
    dialogs_.Message(e.what());
  }
}

}  // namespace ui
