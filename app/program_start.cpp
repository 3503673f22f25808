#include "program_start.h"

#include "desktop_launcher.h"
#include "enter_presses_buttons.h"
#include "event_guard.h"
#include "main_window.h"
#include "main_window_close.h"
#include "open_raw_view.h"
#include "qt_dialog_service.h"
#include "qt_translations.h"
#include "settings_folder.h"
#include "safe_write.h"
#include "transfer_buffer.h"

#include <QApplication>

#include <string>

int RunProgram(int argc, char** argv) {
  // The name message boxes carry as their title. Not set as the display name:
  // the window system would append that to every window's title.
  QApplication::setApplicationName(QStringLiteral("DBF"));
  // Where the settings kept between runs go: ~/.config/dbfview/DBF.conf.
  QApplication::setOrganizationName(QStringLiteral("dbfview"));
  // The desktop entry that names the program and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("dbfview"));
  ui::EnterPressesButtons::InstallOnApplication();
  ui::InstallTranslations(QLocale::system());
  const std::string settingsRefused = GuardSettingsFolder();

  ui::QtDialogService dialogs;
  ui::EventGuard guard(dialogs, ui::ExitProcessNow);
  guard.InstallEngineReporters();
  ui::DesktopLauncher launcher;
  // Every write of the windows goes through these, on the system's file system.
  ui::FileServices files;

  MainWindowLinks links{dialogs, guard, launcher, rawview::OpenRawView, rawview::EmptyTransferBuffer};
  links.files = &files;
  ui::MainWindowClose closeEndsProgram([] { QCoreApplication::exit(0); });
  TForm2 form2(links);
  form2.installEventFilter(&closeEndsProgram);
  dialogs.SetFallbackOwner(&form2);
  // Created hidden after the main window; OpenRawView shows it.
  rawview::CreateRawView(guard, files);

  form2.show();
  if (!settingsRefused.empty()) dialogs.Message(settingsRefused);
  // What a killed run left: its staged files go, its broken writes are named.
  ui::RemoveStaleStaging(files.Files(), ui::StagingFolder());
  guard.Run([&] { form2.OfferInterruptedWrites(); });
  // The name's bytes as given (QApplication has taken out its own options):
  // a name that is not valid UTF-8 would not survive a trip through QString.
  if (argc > 1) {
    const std::string path = argv[1];
    guard.Run([&] { form2.OpenAtStart(path); });
  }
  return QApplication::exec();
}
