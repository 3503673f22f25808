#include "task_panel.h"

#include "dbf_texts.h"
#include "event_guard.h"
#include "string_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// A grid's open cell editor: its text counts through the grid.
bool InGrid(const QWidget* widget) {
  for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
    if (qobject_cast<const ui::StringGrid*>(w)) return true;
  }
  return false;
}

void AddCells(const ui::StringGrid& grid, std::vector<std::string>& inputs) {
  inputs.push_back(std::to_string(grid.RowCount()) + "x" + std::to_string(grid.ColCount()));
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) inputs.push_back(grid.Cell(row, col));
  }
  inputs.push_back(grid.EditText());
}

}  // namespace

TaskPanel::TaskPanel(const QStringList& titleLines, const QString& exitCaption, ui::EventGuard& guard,
                     QWidget* parent)
    : QFrame(parent),
      title_(new QLabel(titleLines.join(QLatin1Char('\n')), this)),
      exitButton_(new QPushButton(exitCaption, this)),
      body_(new QVBoxLayout),
      bottomRow_(new QHBoxLayout),
      guard_(guard) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  setPalette(QPalette());
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  title_->setAlignment(Qt::AlignCenter);

  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  controls_ = new QWidget(scroll);
  auto* column = new QVBoxLayout(controls_);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(body_);
  column->addStretch();
  scroll->setWidget(controls_);

  bottomRow_->addStretch();
  bottomRow_->addWidget(exitButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title_);
  layout->addWidget(scroll, 1);
  layout->addLayout(bottomRow_);
  connect(exitButton_, &QPushButton::clicked, this, guard_.Guarded([this] { Close(); }));
  resize(designSize_);
  hide();
}

void TaskPanel::AddToBottomRow(QPushButton* button) { bottomRow_->insertWidget(0, button); }

void TaskPanel::SetDesignSize(QSize size) {
  designSize_ = size;
  resize(size);
}

void TaskPanel::FitInto(QSize room) { resize(designSize_.boundedTo(room).expandedTo(minimumSizeHint())); }

bool TaskPanel::Open(const std::function<void()>& prepare) {
  for (QObject* sibling : parentWidget()->children()) {
    auto* shown = dynamic_cast<TaskPanel*>(sibling);
    if (!shown || shown->isHidden()) continue;
    if (!shown->MayClose()) return false;
    shown->Close();
  }
  prepare();
  show();
  raise();
  FocusFirstControl();
  openedWith_ = Inputs();
  return true;
}

void TaskPanel::Close() {
  Closing();
  hide();
}

void TaskPanel::InputUsed() { openedWith_ = Inputs(); }

void TaskPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return QFrame::keyPressEvent(event);
  event->accept();
  guard_.Run([this] { Close(); });
}

std::vector<std::string> TaskPanel::Inputs() const {
  std::vector<std::string> inputs;
  for (const QWidget* control : controls_->findChildren<QWidget*>()) {
    if (const auto* grid = qobject_cast<const ui::StringGrid*>(control)) {
      AddCells(*grid, inputs);
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(control); edit && !InGrid(edit)) {
      inputs.push_back(edit->text().toStdString());
    } else if (const auto* box = qobject_cast<const QComboBox*>(control)) {
      inputs.push_back(std::to_string(box->currentIndex()));
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control); button && button->isCheckable()) {
      inputs.push_back(button->isChecked() ? "1" : "0");
    }
  }
  return inputs;
}

bool TaskPanel::MayClose() const {
  if (Inputs() == openedWith_) return true;
  const std::string title = title_->text().section(QLatin1Char('\n'), 0, 0).toStdString();
  return guard_.Dialogs().Ask(
      title, dbf::FillText(dbf::Tr("TaskPanel", "Закрыть панель \"%1\"?\r\nВведённое в ней будет потеряно."), {title}));
}

void TaskPanel::FocusFirstControl() {
  if (isAncestorOf(QApplication::focusWidget())) return;
  for (QWidget* control : controls_->findChildren<QWidget*>()) {
    if (control->isEnabled() && control->isVisibleTo(this) && (control->focusPolicy() & Qt::TabFocus)) {
      control->setFocus();
      return;
    }
  }
}
