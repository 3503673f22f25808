#include "button_reach.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTextStream>

namespace ui {

namespace {

QRect Global(const QWidget& widget) { return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()); }

// One line of the report: the verdict, what it is, its caption, its place
// (device-independent pixels, global) and its window's title, tab-separated.
QString Line(const QString& verdict, const char* kind, const QString& caption, const QRect& r,
             const QWidget& window) {
  QStringList parts{verdict, QString::fromLatin1(kind), caption};
  for (const int n : {r.x(), r.y(), r.width(), r.height()}) parts << QString::number(n);
  return (parts << window.windowTitle()).join(QLatin1Char('\t'));
}

QString OnScreen(const QRect& area, const QRect& r) {
  return area.contains(r) ? QStringLiteral("ok") : QStringLiteral("cut by the screen");
}

// A caption as it reads on screen: without the '&' that marks its Alt key.
QString Shown(QString caption) {
  return caption.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// The menu bar's titles and an open menu's items, where a click picks them.
void AddMenus(QWidget& window, const QRect& area, QStringList& lines) {
  for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
    for (QAction* action : bar->actions()) {
      if (!action->isVisible()) continue;
      const QRect r(bar->mapToGlobal(bar->actionGeometry(action).topLeft()), bar->actionGeometry(action).size());
      lines << Line(OnScreen(area, r), "menu", Shown(action->text()), r, window);
    }
  }
  if (auto* menu = qobject_cast<QMenu*>(&window)) {
    for (QAction* action : menu->actions()) {
      if (!action->isVisible() || action->isSeparator()) continue;
      const QRect r(menu->mapToGlobal(menu->actionGeometry(action).topLeft()), menu->actionGeometry(action).size());
      lines << Line(OnScreen(area, r), "item", Shown(action->text()), r, window);
    }
  }
}

QString Name(const QWidget& widget) {
  return widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : widget.objectName();
}

QString Caption(const QAbstractButton& button) {
  return button.text().isEmpty() ? button.toolTip() : Shown(button.text());
}

void BringIntoView(QAbstractButton& button) {
  for (QWidget* w = button.parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
    if (auto* scroll = qobject_cast<QScrollArea*>(w)) scroll->ensureWidgetVisible(&button, 0, 0);
  }
}

// The first widget around the button, up to its window, that does not hold
// it whole; nullptr when every one does.
const QWidget* Cutter(const QAbstractButton& button) {
  const QRect where = Global(button);
  for (const QWidget* w = button.parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    if (!Global(*w).contains(where)) return w;
  }
  return nullptr;
}

}  // namespace

QStringList ButtonReach(QWidget& window) {
  QStringList lines;
  const QRect frame = window.frameGeometry();
  const QScreen* screen = window.screen();
  const QRect area = screen ? screen->geometry() : frame;
  lines << Line(OnScreen(area, frame), "window", window.windowTitle(), frame, window);
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    // A button of no size (a table's corner without headers) shows nothing.
    if (!button->isVisible() || button->window() != &window || button->size().isEmpty()) continue;
    BringIntoView(*button);
    const QRect where = Global(*button);
    const QWidget* cutter = Cutter(*button);
    lines << Line(cutter ? QStringLiteral("cut by ") + Name(*cutter) : OnScreen(area, where), "button",
                  Caption(*button), where, window);
  }
  AddMenus(window, area, lines);
  return lines;
}

QStringList ButtonsOutOfReach(QWidget& window) {
  QStringList cut = ButtonReach(window);
  cut.removeIf([](const QString& line) { return line.startsWith(QStringLiteral("ok")); });
  return cut;
}

namespace {

class ReportOnRequest : public QObject {
 public:
  ReportOnRequest(QString path, QObject* parent) : QObject(parent), path_(std::move(path)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Not with Alt: Alt closes an open menu.
    constexpr auto kChord = Qt::ControlModifier | Qt::ShiftModifier;
    if (key->key() != Qt::Key_F12 || key->modifiers() != kChord) return false;
    Write();
    return true;
  }

 private:
  void Write() const {
    QFile file(path_);
    if (!file.open(QIODevice::Append | QIODevice::Text)) return;
    QTextStream out(&file);
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible() || window->windowType() == Qt::ToolTip) continue;
      for (const QString& line : ButtonReach(*window)) out << line << '\n';
    }
    out << "end\n";
  }

  QString path_;
};

}  // namespace

void InstallButtonReportOnRequest() {
  const QString path = qEnvironmentVariable("DBFVIEW_BUTTON_REPORT");
  if (path.isEmpty()) return;
  qApp->installEventFilter(new ReportOnRequest(path, qApp));
}

}  // namespace ui
