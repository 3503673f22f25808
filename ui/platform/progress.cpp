#include "progress.h"

#include "qt_translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <numeric>

namespace ui {

namespace {

// The bar's own range; positions are scaled onto it.
constexpr int kSteps = 500;
// How often the work stops to handle the window system's events: often
// enough to repaint and see a click at once, seldom enough to cost little.
constexpr auto kEventsEvery = std::chrono::milliseconds(30);

Progress* g_current = nullptr;
std::function<void(Progress&)>* g_watch = nullptr;

// The box layout holding the widget, anywhere under `layout`, and its place there.
QBoxLayout* BoxHolding(QLayout* layout, QWidget* widget, int& index) {
  if (!layout) return nullptr;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == widget) {
      index = i;
      return qobject_cast<QBoxLayout*>(layout);
    }
    if (QBoxLayout* inner = BoxHolding(item->layout(), widget, index)) return inner;
  }
  return nullptr;
}

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::Close:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
      return true;
    default:
      return false;
  }
}

bool InActiveModal(QObject* object) {
  QWidget* modal = QApplication::activeModalWidget();
  auto* widget = qobject_cast<QWidget*>(object);
  if (!modal) return false;
  if (!widget) return object->parent() && InActiveModal(object->parent());
  return widget == modal || modal->isAncestorOf(widget);
}

}  // namespace

// The busy state of the outermost Progress: the busy cursor, the cancel
// button, and the filter that lets only it (and Escape) through.
struct Progress::BusyState : QObject {
  BusyState(Progress& owner, QProgressBar* bar) : owner(owner) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
    int index = 0;
    QLayout* layout = bar && bar->parentWidget() ? bar->parentWidget()->layout() : nullptr;
    if (QBoxLayout* box = BoxHolding(layout, bar, index)) {
      cancel = new QPushButton(Tr("Progress", "Отмена"), bar->parentWidget());
      box->insertWidget(index + 1, cancel);
      cancel->show();
      QObject::connect(cancel, &QAbstractButton::clicked, [this] { this->owner.RequestStop(); });
    }
  }
  ~BusyState() override {
    delete cancel;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!IsInput(event->type()) || InActiveModal(watched)) return false;
    if (cancel && watched == cancel) return false;
    // Events for the windows themselves reach their widgets, where they are sorted.
    if (!watched->isWidgetType() && event->type() != QEvent::Shortcut) return false;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      owner.RequestStop();
    }
    // A swallowed close leaves the window open; a claimed shortcut override
    // keeps the menus' shortcuts from firing.
    if (event->type() == QEvent::Close || event->type() == QEvent::ShortcutOverride) {
      event->setAccepted(event->type() == QEvent::ShortcutOverride);
    }
    return true;
  }

  Progress& owner;
  QPointer<QPushButton> cancel;
};

Progress::Progress(QProgressBar* bar, int64_t maximum, Stop stop) : Progress(bar, std::vector<int>{1}, stop) {
  Phase(0, maximum);
}

Progress::Progress(QProgressBar* bar, std::vector<int> weights, Stop stop)
    : outer_(g_current), stop_(stop), bar_(bar) {
  const double total = std::max(1, std::accumulate(weights.begin(), weights.end(), 0));
  double start = 0;
  for (const int weight : weights) {
    starts_.push_back(start / total);
    start += weight;
  }
  starts_.push_back(1);
  g_current = this;
  if (outer_) {
    ShowStoppable();
    return;
  }
  busy_ = std::make_unique<BusyState>(*this, bar);
  ShowStoppable();
  if (bar_) {
    bar_->setRange(0, kSteps);
    bar_->setValue(0);
    bar_->show();
  }
  shown_ = 0;
  // Work that ends within the first interval lets no other event in at all.
  nextEvents_ = std::chrono::steady_clock::now() + kEventsEvery;
  if (bar_) bar_->repaint();
}

Progress::~Progress() {
  g_current = outer_;
  if (outer_) {
    outer_->ShowStoppable();
  } else if (bar_) {
    bar_->hide();
  }
}

void Progress::ShowStoppable() {
  if (QAbstractButton* cancel = CancelButton()) cancel->setEnabled(StopAllowed());
}

void Progress::Phase(size_t index, int64_t maximum) {
  phase_ = std::min(index, starts_.size() - 2);
  maximum_ = std::max<int64_t>(maximum, 1);
  Advance(0);
}

void Progress::Set(int64_t position) {
  Advance(static_cast<double>(std::clamp<int64_t>(position, 0, maximum_)) / static_cast<double>(maximum_));
  if (g_watch) (*g_watch)(*this);
  if (Root()->stopAsked_ && StopAllowed()) throw dbf::Stopped{};
}

dbf::StepReport Progress::Steps() {
  return [this](int64_t done, int64_t total) {
    Advance(total > 0 ? static_cast<double>(std::clamp<int64_t>(done, 0, total)) / static_cast<double>(total) : 0);
    if (g_watch) (*g_watch)(*this);
    return !(Root()->stopAsked_ && StopAllowed());
  };
}

void Progress::Advance(double within) {
  fraction_ = starts_[phase_] + within * (starts_[phase_ + 1] - starts_[phase_]);
  if (outer_) {
    outer_->Advance(fraction_);
  } else {
    Show(fraction_);
  }
}

// The bar paints as soon as its value changes, so it takes a new value only
// when the events are handled (and once more at its end): a hundred paints
// would cost more than the work of a short command.
void Progress::Show(double fraction) {
  const int step = static_cast<int>(fraction * kSteps);
  const bool eventsDue = std::chrono::steady_clock::now() >= nextEvents_;
  if (step != shown_ && bar_ && (eventsDue || step == kSteps)) {
    shown_ = step;
    bar_->setValue(step);
  }
  if (!eventsDue) return;
  QCoreApplication::processEvents();
  nextEvents_ = std::chrono::steady_clock::now() + kEventsEvery;
}

bool Progress::StopAllowed() const {
  for (const Progress* p = this; p; p = p->outer_) {
    if (p->stop_ == Stop::Refused) return false;
  }
  return true;
}

Progress* Progress::Root() {
  Progress* p = this;
  while (p->outer_) p = p->outer_;
  return p;
}

const Progress* Progress::Root() const { return const_cast<Progress*>(this)->Root(); }

double Progress::Fraction() const { return Root()->fraction_; }

// A stop asked while the work refuses it is forgotten, so that it cannot
// take effect after the point of no return.
void Progress::RequestStop() {
  if (g_current && g_current->StopAllowed()) Root()->stopAsked_ = true;
}

QAbstractButton* Progress::CancelButton() const {
  const Progress* root = Root();
  return root->busy_ ? root->busy_->cancel.data() : nullptr;
}

bool Progress::Busy() { return g_current != nullptr; }

ProgressWatch::ProgressWatch(std::function<void(Progress&)> watch) {
  g_watch = new std::function<void(Progress&)>(std::move(watch));
}

ProgressWatch::~ProgressWatch() {
  delete g_watch;
  g_watch = nullptr;
}

}  // namespace ui
