// GoogleTest inside an offscreen QApplication set up as the program's: Enter
// presses a focused button; scripted dialogs' faults fail the running test.
#include "enter_presses_buttons.h"
#include "run_all_tests.h"
#include "scripted_dialog_service.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The offscreen platform's warnings about size hints say nothing about the program.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietHandler);
  QApplication app(argc, argv);
  // Never into the settings of the person running the tests.
  QApplication::setOrganizationName(QStringLiteral("dbfview-tests"));
  QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  ui::EnterPressesButtons::InstallOnApplication();
  ui::ScriptedDialogService::SetFaultReporter([](const std::string& fault) { ADD_FAILURE() << fault; });
  ::testing::InitGoogleTest(&argc, argv);
  return testsupport::RunAllTests();
}
