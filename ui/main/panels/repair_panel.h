// The repair panel Panel6: copies a table into a new file with the names of
// its field descriptors cleaned and, on request, the field offsets computed
// afresh.
#pragma once

#include "table_context.h"

#include "task_panel.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
namespace ui {
class RadioGroup;
}

class TRepairPanel : public TaskPanel {
 public:
  explicit TRepairPanel(const TableContext& context);

  void N10Click();      // "Ремонт структуры файла"
  void Button13Click();  // "Обзор" for "Исходный файл."
  void Button14Click();  // "Обзор" for "Результирующий файл"
  void Button10Click();  // "Выполнить"

  ui::RadioGroup* RadioGroup4;  // field offsets: "не редактировать", "редактировать"
  QLineEdit* Edit10;
  QPushButton* Button13;
  QLineEdit* Edit11;
  QPushButton* Button14;
  QProgressBar* ProgressBar3;
  QPushButton* Button10;
  QPushButton* Button12;  // "Отмена"

 private:
  const TableContext context_;
};
