#include "english_texts.h"

#include "dbf_texts.h"
#include "qt_translations.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace uitest {
namespace {

// Grids show at most this many rows on any screen the tests use.
constexpr int kRowsLooked = 100;

bool HasCyrillic(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

class Finder {
 public:
  std::string found;

  void Check(const QString& text, const QString& where) {
    if (HasCyrillic(text)) found += (where + ": " + text + "\n").toStdString();
  }

  void Actions(const QList<QAction*>& actions, const QString& where) {
    for (QAction* action : actions) {
      if (!action->isVisible()) continue;
      Check(action->text(), where + " action");
      // Qt makes the text the tool tip unless one was set.
      if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&'))) Check(action->toolTip(), where + " tip");
      if (action->menu()) Actions(action->menu()->actions(), where);
    }
  }

  void Items(const QAbstractItemView& view, const QString& where) {
    const QAbstractItemModel* model = view.model();
    if (!model) return;
    const int rows = std::min(model->rowCount(), kRowsLooked);
    for (int c = 0; c < model->columnCount(); ++c) {
      Check(model->headerData(c, Qt::Horizontal).toString(), where + " header");
      for (int r = 0; r < rows; ++r) Check(model->index(r, c).data().toString(), where + " cell");
    }
  }

  void Widget(QWidget& widget) {
    // A tool bar's button shows its action, which the tool bar's actions cover.
    if (auto* tool = qobject_cast<QToolButton*>(&widget); tool && tool->defaultAction()) return;
    const QString where = widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                                        : widget.objectName();
    if (widget.isWindow()) Check(widget.windowTitle(), where + " title");
    Check(widget.toolTip(), where + " tip");
    if (auto* label = qobject_cast<QLabel*>(&widget)) Check(label->text(), where);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) Check(button->text(), where);
    if (auto* box = qobject_cast<QGroupBox*>(&widget)) Check(box->title(), where);
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
      for (int i = 0; i < combo->count(); ++i) Check(combo->itemText(i), where);
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(&widget)) Items(*view, where);
    if (auto* bar = qobject_cast<QMenuBar*>(&widget)) Actions(bar->actions(), where);
    if (auto* bar = qobject_cast<QToolBar*>(&widget)) Actions(bar->actions(), where);
  }
};

}  // namespace

EnglishTranslation::EnglishTranslation() { EXPECT_TRUE(ui::InstallTranslations(QLocale(QLocale::English))); }

EnglishTranslation::~EnglishTranslation() {
  // A translator leaves the application when it is deleted.
  qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
  dbf::SetTextTranslator({});
}

std::string RussianOnScreen() {
  Finder finder;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    finder.Widget(*window);
    for (QWidget* child : window->findChildren<QWidget*>()) {
      if (child->isVisibleTo(window)) finder.Widget(*child);
    }
  }
  return finder.found;
}

std::string RussianInDialogs(const ui::ScriptedDialogService& dialogs) {
  Finder finder;
  const std::pair<const std::vector<std::string>*, const char*> lists[] = {
      {&dialogs.messages, "message"},         {&dialogs.questions, "question"},
      {&dialogs.openFilters, "open filter"},  {&dialogs.saveFilters, "save filter"},
      {&dialogs.shownTexts, "shown text"},    {&dialogs.textRequests, "text request"},
      {&dialogs.saveChangesQuestions, "save question"}};
  for (const auto& [texts, what] : lists) {
    for (const std::string& text : *texts) finder.Check(QString::fromStdString(text), QString::fromLatin1(what));
  }
  return finder.found;
}

}  // namespace uitest
