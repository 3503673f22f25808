#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

// The tests' main installs the filter as the program does.
class EnterPressesButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    QObject::connect(edit, &QLineEdit::returnPressed, [this] { ++editEnters; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  QWidget window;
  QLineEdit* edit = new QLineEdit;
  QPushButton* button = new QPushButton(QStringLiteral("Выполнить"));
  int clicks = 0;
  int editEnters = 0;
};

TEST_F(EnterPressesButtonsTest, EitherEnterKeyPressesTheFocusedButtonOnceAndNothingElse) {
  button->setFocus();
  QTest::keyClick(button, Qt::Key_A);
  QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
  QTest::keyClick(button, Qt::Key_Return);
  QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(editEnters, 1);  // the edit still gets its own Enter
  button->setFocus();
  button->setEnabled(false);
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(clicks, 2);
}

// A dialog's own buttons press on Enter by themselves; the filter must not
// press them a second time.
TEST(EnterPressesButtonsInDialogs, ADialogButtonIsPressedOnce) {
  QDialog dialog;
  auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
  int clicks = 0;
  QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
}
