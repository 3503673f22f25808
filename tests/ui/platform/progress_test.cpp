#include "progress.h"

#include "event_guard.h"
#include "scripted_dialog_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A window with a bar in a row and another button beside it.
struct Window {
  Window() {
    auto* row = new QHBoxLayout(&widget);
    row->addWidget(bar);
    row->addWidget(other);
    QObject::connect(other, &QPushButton::clicked, [this] { ++otherClicks; });
    widget.show();
  }
  QWidget widget;
  QProgressBar* bar = new QProgressBar;
  QPushButton* other = new QPushButton("other");
  int otherClicks = 0;
};

TEST(ProgressTest, PhasesShareTheBarWhichReachesItsEndOnlyAtTheEnd) {
  Window w;
  std::vector<int> values;
  {
    ui::Progress progress(w.bar, {1, 3});
    progress.Phase(0, 10);
    for (int i = 1; i <= 10; ++i) {
      progress.Set(i);
      values.push_back(w.bar->value());
    }
    progress.Phase(1, 4);
    {
      ui::Progress inner(nullptr, 4);  // fills the outer one's current phase
      for (int i = 1; i <= 4; ++i) {
        inner.Set(i);
        values.push_back(w.bar->value());
      }
    }
    EXPECT_FALSE(w.bar->isHidden());
  }
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
  EXPECT_EQ(values[9], w.bar->maximum() / 4);  // the first phase's share
  EXPECT_LT(values[12], w.bar->maximum());
  EXPECT_EQ(values.back(), w.bar->maximum());
  EXPECT_TRUE(w.bar->isHidden());
}

TEST(ProgressTest, AStopIsAskedByTheCancelButtonOrEscapeUnlessTheWorkRefusesIt) {
  struct Case {
    const char* how;
    bool escape;
    ui::Stop inner;
    bool stops;
  };
  const Case cases[] = {{"cancel button", false, ui::Stop::Allowed, true},
                        {"Escape", true, ui::Stop::Allowed, true},
                        {"Escape while refused", true, ui::Stop::Refused, false},
                        {"button while refused", false, ui::Stop::Refused, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    Window w;
    ui::Progress progress(w.bar, 10);
    QAbstractButton* cancel = progress.CancelButton();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QString::fromUtf8("Отмена"));
    {
      ui::Progress inner(w.bar, 2, c.inner);
      EXPECT_EQ(cancel->isEnabled(), c.inner == ui::Stop::Allowed);
      if (c.escape) {
        QTest::keyClick(w.other, Qt::Key_Escape);
      } else {
        if (c.inner == ui::Stop::Refused) progress.RequestStop();  // forgotten
        QTest::mouseClick(cancel, Qt::LeftButton);  // a disabled button takes no click
      }
      bool stopped = false;
      try {
        inner.Set(1);
      } catch (const dbf::Stopped&) {
        stopped = true;
      }
      EXPECT_EQ(stopped, c.stops);
      EXPECT_EQ(inner.Steps()(2, 2), !c.stops);
    }
    // A stop asked while refused is forgotten.
    if (!c.stops) EXPECT_NO_THROW(progress.Set(5));
  }
}

TEST(ProgressTest, WhileBusyOnlyTheCancelButtonTakesInputAndNoHandlerRuns) {
  Window w;
  ui::ScriptedDialogService dialogs;
  ui::EventGuard guard(dialogs, [](int) {});
  int handled = 0;
  {
    ui::Progress progress(w.bar, 10);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    QTest::mouseClick(w.other, Qt::LeftButton);
    guard.Run([&] { ++handled; });
    EXPECT_FALSE(w.widget.close());
    QTest::mouseClick(progress.CancelButton(), Qt::LeftButton);
    EXPECT_THROW(progress.Set(1), dbf::Stopped);
  }
  EXPECT_EQ(w.otherClicks, 0);
  EXPECT_EQ(handled, 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  // The guard ends a stopped command quietly; afterwards input goes through.
  guard.Run([] { throw dbf::Stopped{}; });
  EXPECT_TRUE(dialogs.messages.empty());
  QTest::mouseClick(w.other, Qt::LeftButton);
  EXPECT_EQ(w.otherClicks, 1);
}

}  // namespace
