#include "mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace ui {

namespace {

// The index of the caption's letter to mark, or -1 when every letter is taken.
qsizetype FreeLetter(const QString& caption, const QSet<QChar>& used) {
  qsizetype anyFree = -1;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (!caption[i].isLetter() || used.contains(caption[i].toLower())) continue;
    if (i == 0 || !caption[i - 1].isLetter()) return i;
    if (anyFree < 0) anyFree = i;
  }
  return anyFree;
}

void AssignAmong(const QList<QAction*>& actions) {
  QSet<QChar> used;
  for (const QAction* action : actions) {
    const QString text = action->text();
    const qsizetype mark = text.indexOf(QLatin1Char('&'));
    if (mark >= 0 && mark + 1 < text.size()) used.insert(text[mark + 1].toLower());
  }
  for (QAction* action : actions) {
    QString text = action->text();
    if (action->isSeparator() || text.contains(QLatin1Char('&'))) continue;
    const qsizetype letter = FreeLetter(text, used);
    if (letter < 0) continue;
    used.insert(text[letter].toLower());
    action->setText(text.insert(letter, QLatin1Char('&')));
  }
  for (const QAction* action : actions) {
    if (action->menu()) AssignAmong(action->menu()->actions());
  }
}

}  // namespace

void AssignMnemonics(QMenuBar& bar) { AssignAmong(bar.actions()); }

}  // namespace ui
