#include "task_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

TaskPanel::TaskPanel(const QStringList& titleLines, const QString& exitCaption, QWidget* parent)
    : QFrame(parent),
      title_(new QLabel(titleLines.join(QLatin1Char('\n')), this)),
      exitButton_(new QPushButton(exitCaption, this)),
      body_(new QVBoxLayout),
      bottomRow_(new QHBoxLayout) {
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
  auto* controls = new QWidget(scroll);
  auto* column = new QVBoxLayout(controls);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(body_);
  column->addStretch();
  scroll->setWidget(controls);

  bottomRow_->addStretch();
  bottomRow_->addWidget(exitButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title_);
  layout->addWidget(scroll, 1);
  layout->addLayout(bottomRow_);
  connect(exitButton_, &QPushButton::clicked, this, &QWidget::hide);
  resize(designSize_);
  hide();
}

void TaskPanel::AddToBottomRow(QPushButton* button) { bottomRow_->insertWidget(0, button); }

void TaskPanel::SetDesignSize(QSize size) {
  designSize_ = size;
  resize(size);
}

void TaskPanel::FitInto(QSize room) { resize(designSize_.boundedTo(room).expandedTo(minimumSizeHint())); }
