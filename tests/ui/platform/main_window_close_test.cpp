#include "main_window_close.h"

#include <QWidget>

#include <gtest/gtest.h>

class MainWindowCloseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.installEventFilter(&closeEndsProgram);
    window.show();
  }

  int ends = 0;
  ui::MainWindowClose closeEndsProgram{[this] { ++ends; }};
  QWidget window;
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
  EXPECT_TRUE(window.close());
  EXPECT_EQ(ends, 1);
}
