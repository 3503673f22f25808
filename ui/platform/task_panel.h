// A task panel: a framed panel with a title that floats over the record grid,
// holds one task's controls and is hidden by its own exit button.
#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QVBoxLayout;

class TaskPanel : public QFrame {
 public:
  TaskPanel(const QStringList& titleLines, const QString& exitCaption, QWidget* parent);

  QLabel* Title() const { return title_; }
  QPushButton* ExitButton() const { return exitButton_; }
  // Where the task's own controls go, above the exit button.
  QVBoxLayout* Body() const { return body_; }

 private:
  QLabel* title_;
  QPushButton* exitButton_;
  QVBoxLayout* body_;
};
