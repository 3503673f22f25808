// Runs GoogleTest inside a QApplication on the offscreen platform, so window
// tests need no display.
#include <QApplication>

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
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
