#include "screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

TEST(ScreenFit, WindowsKeepTheirDesignWhereItFitsAndStayOnTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const struct {
    QPoint topLeft;
    QSize size;
    QRect expected;  // the client area (the offscreen platform draws no frame)
  } cases[] = {
      {{20, 20}, {300, 200}, {26, 52, 300, 200}},
      {{2, 2}, {area.width() + 200, area.height() + 100}, {6, 32, area.width() - 12, area.height() - 38}},
      {{area.right() - 100, area.bottom() - 50}, {300, 200}, {area.right() + 1 - 306, area.bottom() + 1 - 206, 300, 200}},
  };
  for (const auto& c : cases) {
    QWidget window;
    ui::FitOnScreen(window, c.topLeft, c.size);
    EXPECT_EQ(window.geometry(), c.expected);
  }
}
