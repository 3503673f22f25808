// A task panel: a framed panel with a title that floats over the record grid,
// holds one task's controls and is closed by its own exit button or Escape.
// The title and the bottom row with the exit button always show; the task's
// controls scroll between them when the grid area leaves the panel less room
// than they need. One task panel shows at a time: opening one closes the one
// shown, asking first when that one holds input typed since it was opened.
#pragma once

#include <QFrame>

#include <functional>
#include <string>
#include <vector>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
namespace ui {
class EventGuard;
}

class TaskPanel : public QFrame {
 public:
  TaskPanel(const QStringList& titleLines, const QString& exitCaption, ui::EventGuard& guard, QWidget* parent);

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

  // Shows the panel in place of the task panel shown over the same area (or
  // of itself), after `prepare` has set its controls for the task, and puts
  // the focus on its first control. False, with nothing changed, when the
  // panel shown holds typed input and the person keeps it.
  bool Open(const std::function<void()>& prepare);
  // Hides the panel, as its exit button and Escape do.
  void Close();

 protected:
  // What the task leaves when its panel closes, before it hides.
  virtual void Closing() {}
  // The input has done its work: closing the panel loses nothing now.
  void InputUsed();
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // What a person can have typed or chosen: the texts of the edit boxes, the
  // items of the combo boxes, the check and radio buttons, the grids' cells.
  std::vector<std::string> Inputs() const;
  // True to close: nothing typed would be lost, or the person agrees.
  bool MayClose() const;
  void FocusFirstControl();

  QLabel* title_;
  QPushButton* exitButton_;
  QWidget* controls_;
  QVBoxLayout* body_;
  QHBoxLayout* bottomRow_;
  QSize designSize_{420, 300};
  ui::EventGuard& guard_;
  std::vector<std::string> openedWith_;
};
