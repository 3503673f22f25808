#include "enter_key.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class EnterKeyFilter : public QObject {
 public:
  EnterKeyFilter(QWidget* widget, std::function<void()> handler) : QObject(widget), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    handler_();
    return true;
  }

 private:
  std::function<void()> handler_;
};

}  // namespace

void OnEnterKey(QWidget* widget, std::function<void()> handler) {
  widget->installEventFilter(new EnterKeyFilter(widget, std::move(handler)));
}
