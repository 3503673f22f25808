// Starts the program: the application, the dialogs and the guard every event
// handler runs through, the main window, then the event loop. One optional
// argument names a table to open at once.
#include "desktop_launcher.h"
#include "event_guard.h"
#include "main_window.h"
#include "open_raw_view.h"
#include "qt_dialog_service.h"
#include "transfer_buffer.h"

#include <QApplication>
#include <QEvent>

#include <string>

namespace {

// Ends the event loop when the main window closes, also while another of the
// program's windows is still shown (the raw view only disables the main
// window, which can still be closed by its title bar).
class EndLoopOnClose : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Close) QCoreApplication::exit(0);
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The name message boxes carry as their title. Not set as the display name:
  // the window system would append that to every window's title.
  QApplication::setApplicationName(QStringLiteral("DBF"));

  ui::QtDialogService dialogs;
  ui::EventGuard guard(dialogs, ui::ExitProcessNow);
  guard.InstallEngineReporters();
  ui::DesktopLauncher launcher;

  MainWindowLinks links{dialogs, guard, launcher, rawview::OpenRawView, rawview::EmptyTransferBuffer};
  EndLoopOnClose endLoopOnClose;
  TForm2 form2(links);
  form2.installEventFilter(&endLoopOnClose);
  dialogs.SetParent(&form2);
  // Created hidden after the main window; OpenRawView shows it.
  rawview::CreateRawView(guard);

  form2.show();
  // The name's bytes as given (QApplication has taken out its own options):
  // a name that is not valid UTF-8 would not survive a trip through QString.
  if (argc > 1) {
    const std::string path = argv[1];
    guard.Run([&] { form2.OpenAtStart(path); });
  }
  return QApplication::exec();
}
