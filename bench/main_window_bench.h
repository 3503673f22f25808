// What a main window under benchmark runs with: scripted dialogs that keep
// their messages, a guard that ends the process on a fatal error and a
// launcher that opens nothing.
#pragma once

#include "event_guard.h"
#include "main_window.h"
#include "scripted_dialog_service.h"
#include "window_bench.h"

#include <QApplication>

#include <memory>

namespace bench {

struct MainWindowServices {
  MainWindowServices() { guard.InstallEngineReporters(); }
  MainWindowLinks Links() { return MainWindowLinks{dialogs, guard, launcher, {}, {}}; }

  ui::ScriptedDialogService dialogs;
  ui::EventGuard guard{dialogs, ui::ExitProcessNow};
  NoLauncher launcher;
};

// Puts a new main window, shown and drawn, in place of `form`'s, which goes
// first: the untimed start of a round.
inline void ShowFreshWindow(std::unique_ptr<TForm2>& form, MainWindowServices& services) {
  form.reset();
  form = std::make_unique<TForm2>(services.Links());
  form->show();
  QApplication::processEvents();
}

}  // namespace bench
