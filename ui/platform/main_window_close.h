// The main window's close from the title bar (or the window manager) ends the
// program, also while other windows of the program are shown. While another
// window has it disabled or hidden (the raw view, the operations dialog, the
// delete-field dialog) the close is refused: ending the program then would
// drop the unsaved edits of that window. The window's own close handler runs
// first and may refuse the close too.
#pragma once

#include <QObject>

#include <functional>
#include <utility>

namespace ui {

class MainWindowClose : public QObject {
 public:
  // `endProgram` runs for an accepted close; the program ends its event loop.
  explicit MainWindowClose(std::function<void()> endProgram) : endProgram_(std::move(endProgram)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> endProgram_;
};

}  // namespace ui
