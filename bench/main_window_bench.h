// What a main window under benchmark runs with: scripted dialogs that keep
// their messages, a guard that ends the process on a fatal error and a
// launcher that opens nothing.
#pragma once

#include "event_guard.h"
#include "main_window.h"
#include "scripted_dialog_service.h"
#include "window_bench.h"

namespace bench {

struct MainWindowServices {
  MainWindowServices() { guard.InstallEngineReporters(); }
  MainWindowLinks Links() { return MainWindowLinks{dialogs, guard, launcher, {}, {}}; }

  ui::ScriptedDialogService dialogs;
  ui::EventGuard guard{dialogs, ui::ExitProcessNow};
  NoLauncher launcher;
};

}  // namespace bench
