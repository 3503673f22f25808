// A titled group of radio buttons addressed by item index, 0 for the first
// item and -1 for none, with a handler run when a person picks an item.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>

#include <functional>

namespace ui {

class RadioGroup : public QGroupBox {
 public:
  RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

  int ItemIndex() const { return buttons_->checkedId(); }
  // Selects the item without running onClick.
  void SetItemIndex(int index);

  std::function<void()> onClick;

 private:
  QButtonGroup* buttons_;
};

}  // namespace ui
