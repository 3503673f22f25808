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

// A window with a bar and another button in a row.
struct Window {
  Window() {
    auto* row = new QHBoxLayout(&widget);
    row->addWidget(bar);
    row->addWidget(other);
    widget.show();
  }
  QWidget widget;
  QProgressBar* bar = new QProgressBar;
  QPushButton* other = new QPushButton("other");
};

TEST(ProgressTest, PhasesShareTheBarWhichReachesItsEndOnlyAtTheEnd) {
  Window w;
  std::vector<double> fractions;
  {
    ui::Progress progress(w.bar, {1, 3});
    progress.Phase(0, 10);
    for (int i = 1; i <= 10; ++i, fractions.push_back(progress.Fraction())) progress.Set(i);
    progress.Phase(1, 4);
    ui::Progress inner(nullptr, 4);  // fills the outer one's current phase
    for (int i = 1; i <= 4; ++i, fractions.push_back(inner.Fraction())) inner.Set(i);
    EXPECT_EQ(w.bar->value(), w.bar->maximum());
  }
  EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
  EXPECT_EQ(fractions[9], 0.25);
  EXPECT_LT(fractions[12], 1);
  EXPECT_EQ(fractions.back(), 1);
  EXPECT_TRUE(w.bar->isHidden());
}

// While busy only the cancel button (or Escape) takes input and no other
// handler runs; a stop asked while the work refuses it is forgotten.
TEST(ProgressTest, OnlyTheCancelButtonOrEscapeGetThroughAndStopWhereAllowed) {
  using enum ui::Stop;
  const struct { bool escape; ui::Stop inner; } cases[] = {{false, Allowed}, {true, Allowed}, {true, Refused}, {false, Refused}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.escape ? "Escape" : "button");
    Window w;
    int clicks = 0;
    QObject::connect(w.other, &QPushButton::clicked, [&] { ++clicks; });
    ui::ScriptedDialogService dialogs;
    ui::EventGuard guard(dialogs, [](int) {});
    const bool stops = c.inner == ui::Stop::Allowed;
    {
      ui::Progress progress(w.bar, 10);
      ASSERT_NE(progress.CancelButton(), nullptr);
      EXPECT_EQ(progress.CancelButton()->text(), QString::fromUtf8("Отмена"));
      EXPECT_NE(QApplication::overrideCursor(), nullptr);
      QTest::mouseClick(w.other, Qt::LeftButton);
      guard.Run([&] { ++clicks; });
      EXPECT_FALSE(w.widget.close());
      ui::Progress inner(w.bar, 2, c.inner);
      EXPECT_EQ(progress.CancelButton()->isEnabled(), stops);
      if (c.escape) QTest::keyClick(w.other, Qt::Key_Escape);
      else QTest::mouseClick(progress.CancelButton(), Qt::LeftButton);
      EXPECT_EQ(inner.Steps()(1, 2), !stops);
      if (stops) EXPECT_THROW(inner.Set(2), dbf::Stopped);
      else EXPECT_NO_THROW(progress.Set(5));
    }
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    guard.Run([] { throw dbf::Stopped{}; });  // ends quietly
    EXPECT_TRUE(dialogs.messages.empty());
    QTest::mouseClick(w.other, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
  }
}

}  // namespace
