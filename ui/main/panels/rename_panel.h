// The rename panel Panel7: gives one field of the table a new name in place,
// the field chosen by name or from the field list StringGrid4.
#pragma once

#include "table_context.h"

#include "task_panel.h"

class QLabel;
class QLineEdit;
class QPushButton;
namespace ui {
class StringGrid;
}

class TRenamePanel : public TaskPanel {
 public:
  explicit TRenamePanel(const TableContext& context);

  void N11Click();                     // "Изменить имя поля"
  void Button17Click();                // "Обзор имен"
  void StringGrid4KeyPress(int& key);  // Enter picks the field, Escape closes the list
  void PickField(int row);             // Enter or a double-click in the list
  void Button15Click();                // "Изменить"

  QLineEdit* Edit12;     // "Имя поля для изменения"
  QLabel* StaticText3;   // parameters of the field picked from the list
  QPushButton* Button17;
  QLineEdit* Edit13;     // "Новое имя поля ( реквизита )"
  QPushButton* Button15;
  QPushButton* Button16;  // "Отмена"
  ui::StringGrid* StringGrid4;  // the field list, over the window's grid area

 private:
  // Writes the new name into the descriptor named by Edit12; the message to
  // show when that cannot be done, empty when it was.
  std::string RenameField(const std::string& newName);
  void RefreshGridHeader();
  void CloseFieldList();
  void Closing() override;

  const TableContext context_;
};
