#include "filter_line.h"

#include "string_grid.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>

FilterLine::FilterLine(ui::StringGrid& grid, QWidget* parent) : QWidget(parent), grid_(grid), fields_(new QWidget(this)) {
  setFixedHeight(QLineEdit().sizeHint().height());
  setVisible(grid_.isVisible());
  grid_.installEventFilter(this);
  connect(grid_.horizontalHeader(), &QHeaderView::sectionResized, this, [this] { Place(); });
  connect(grid_.horizontalHeader(), &QHeaderView::geometriesChanged, this, [this] { Place(); });
  connect(grid_.horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { Place(); });
}

void FilterLine::Rebuild(const std::vector<bool>& usable) {
  for (QLineEdit* box : boxes_) delete box;
  boxes_.clear();
  for (size_t col = 0; col < usable.size(); ++col) {
    auto* box = new QLineEdit(col == 0 ? this : fields_);
    box->setEnabled(usable[col]);
    // Enter applies; so does leaving a box whose text changed since.
    connect(box, &QLineEdit::returnPressed, this, [this, box] {
      box->setModified(false);
      if (onApply) onApply();
    });
    connect(box, &QLineEdit::editingFinished, this, [this, box] {
      if (!box->isModified()) return;
      box->setModified(false);
      if (onApply) onApply();
    });
    box->show();
    boxes_.push_back(box);
  }
  Place();
}

QString FilterLine::Text(int col) const {
  return col >= 0 && static_cast<size_t>(col) < boxes_.size() ? boxes_[static_cast<size_t>(col)]->text() : QString();
}

void FilterLine::SetText(int col, const QString& text) {
  if (col >= 0 && static_cast<size_t>(col) < boxes_.size()) boxes_[static_cast<size_t>(col)]->setText(text);
}

bool FilterLine::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &grid_) {
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Hide:
        setVisible(grid_.isVisible());
        break;
      case QEvent::Resize:
      case QEvent::Move:
        Place();
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FilterLine::Place() {
  const int left = grid_.x() - x() + grid_.frameWidth();
  const int numbers = grid_.verticalHeader()->isVisible() ? grid_.verticalHeader()->width() : 0;
  fields_->setGeometry(left + numbers, 0, grid_.viewport()->width(), height());
  const QHeaderView& heading = *grid_.horizontalHeader();
  for (size_t col = 0; col < boxes_.size(); ++col) {
    QLineEdit& box = *boxes_[col];
    if (col == 0) {
      box.setGeometry(left, 0, numbers, height());
      box.setVisible(numbers > 0);
      continue;
    }
    const int section = static_cast<int>(col) - 1;
    box.setGeometry(heading.sectionViewportPosition(section), 0, heading.sectionSize(section), height());
  }
}
