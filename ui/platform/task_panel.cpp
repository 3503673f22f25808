#include "task_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TaskPanel::TaskPanel(const QStringList& titleLines, const QString& exitCaption, QWidget* parent)
    : QFrame(parent),
      title_(new QLabel(titleLines.join(QLatin1Char('\n')), this)),
      exitButton_(new QPushButton(exitCaption, this)),
      body_(new QVBoxLayout) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  setPalette(QPalette());
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  title_->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title_);
  layout->addLayout(body_);
  layout->addStretch();
  layout->addWidget(exitButton_, 0, Qt::AlignRight);
  connect(exitButton_, &QPushButton::clicked, this, &QWidget::hide);
  resize(420, 300);
  hide();
}
