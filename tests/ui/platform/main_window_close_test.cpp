#include "main_window_close.h"

#include <QCloseEvent>
#include <QWidget>

#include <gtest/gtest.h>

// A window whose own close handler refuses while `refuse` is set.
struct RefusingWindow : QWidget {
  bool refuse = false;
  void closeEvent(QCloseEvent* event) override { event->setAccepted(!refuse); }
};

class MainWindowCloseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.installEventFilter(&closeEndsProgram);
    window.show();
  }

  int ends = 0;
  ui::MainWindowClose closeEndsProgram{[this] { ++ends; }};
  RefusingWindow window;
};

TEST_F(MainWindowCloseTest, ACloseWhileAnotherWindowHasItDisabledOrHiddenIsRefusedAndLaterEndsTheProgram) {
  window.setEnabled(false);
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  window.setEnabled(true);
  window.hide();
  EXPECT_FALSE(window.close());
  EXPECT_EQ(ends, 0);
  window.show();  // the other window has given it back
  window.refuse = true;  // and the window itself refuses
  EXPECT_FALSE(window.close());
  EXPECT_EQ(ends, 0);
  window.refuse = false;
  EXPECT_TRUE(window.close());
  EXPECT_EQ(ends, 1);
}
