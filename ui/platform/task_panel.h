// A task panel: a framed panel with a title that floats over the record grid,
// holds one task's controls and is hidden by its own exit button. The title
// and the bottom row with the exit button always show; the task's controls
// scroll between them when the grid area leaves the panel less room than
// they need.
#pragma once

#include <QFrame>

class QHBoxLayout;
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
  // Puts the task's own button in the bottom row, beside the exit button,
  // where it stays in sight however little room the panel has.
  void AddToBottomRow(QPushButton* button);

  // The size the panel has where there is room for it.
  void SetDesignSize(QSize size);
  // Takes the design size, cut to `room`.
  void FitInto(QSize room);

 private:
  QLabel* title_;
  QPushButton* exitButton_;
  QVBoxLayout* body_;
  QHBoxLayout* bottomRow_;
  QSize designSize_{420, 300};
};
