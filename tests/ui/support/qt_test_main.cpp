// Runs GoogleTest inside a QApplication on the offscreen platform, so window
// tests need no display. As in the program, Enter presses a focused button;
// the scripted dialogs' faults fail the running test; settings live in
// a temporary folder.
#include "enter_presses_buttons.h"
#include "scripted_dialog_service.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The offscreen platform warns about every window it cannot size by hints;
// that says nothing about the program, so it is left out of the test output.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietHandler);
  QApplication app(argc, argv);
  // Settings the windows keep between runs go to a folder of the test run's
  // own, never into the settings of the person running the tests.
  QApplication::setOrganizationName(QStringLiteral("dbfview-tests"));
  QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  ui::EnterPressesButtons::InstallOnApplication();
  ui::ScriptedDialogService::SetFaultReporter([](const std::string& fault) { ADD_FAILURE() << fault; });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
