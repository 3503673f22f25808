#include "mnemonics.h"

#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

TEST(MnemonicsTest, EveryEntryGetsAFreeLetterWordStartsFirst) {
  QMenuBar bar;
  QMenu* files = bar.addMenu(QStringLiteral("Files"));
  const QStringList captions{QStringLiteral("Open file dbf"), QStringLiteral("Open file as text"),
                             QStringLiteral("Save"),          QStringLiteral("&Keep"),
                             QStringLiteral("Save as :"),     QStringLiteral("Sorted"),
                             QStringLiteral("ooo"),           QString::fromUtf8("Выход")};
  for (const QString& caption : captions) files->addAction(caption);
  files->addSeparator();
  bar.addMenu(QStringLiteral("Fix"));
  bar.addAction(QString::fromUtf8("Выход"));

  ui::AssignMnemonics(bar);

  QStringList marked;
  for (const QAction* action : files->actions()) marked << action->text();
  EXPECT_EQ(marked, QStringList({QStringLiteral("&Open file dbf"), QStringLiteral("Open &file as text"),
                                 QStringLiteral("&Save"), QStringLiteral("&Keep"), QStringLiteral("Save &as :"),
                                 QStringLiteral("So&rted"), QStringLiteral("ooo"), QString::fromUtf8("&Выход"),
                                 QString()}));
  QStringList top;
  for (const QAction* action : bar.actions()) top << action->text();
  EXPECT_EQ(top, QStringList({QStringLiteral("&Files"), QStringLiteral("F&ix"), QString::fromUtf8("&Выход")}));
}
