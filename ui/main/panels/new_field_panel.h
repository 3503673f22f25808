// The new-field panel Panel8: checks a new field's name, type, length and
// decimals and adds it to a table without records. Enter in each input
// checks it and moves on to the next.
#pragma once

#include "table_context.h"

#include "task_panel.h"

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

class TNewFieldPanel : public TaskPanel {
 public:
  explicit TNewFieldPanel(const TableContext& context);

  void Addnewfield1Click();  // "Add new field"
  // Empties the inputs, selects "Character", shows the panel and puts the
  // focus on the name; for "Add new field" and "Create File".
  void Prepare();

  void Edit14KeyPress();    // Enter in "Имя поля"
  void ComboBox2KeyPress();  // Enter in "Тип поля"
  void Edit15KeyPress();    // Enter in "Размер поля"
  void Edit16KeyPress();    // Enter in "Число знаков после запятой ( для числа )"
  void Button18Click();     // "Записать"

  QLineEdit* Edit14;
  QComboBox* ComboBox2;
  QLineEdit* Edit15;
  QLineEdit* Edit16;
  QPushButton* Button18;
  QPushButton* Button19;  // "Выход"

 private:
  // The inputs read by the rules of the panel; nothing when invalid.
  std::optional<std::string> FieldName() const;
  std::optional<int> FieldLength() const;
  std::optional<int> Decimals() const;
  // The type letter of the selected item; 0 when none is selected.
  char TypeLetter() const;
  // Shows one of the panel's messages.
  void Say(const std::string& message);
  void AddField(const std::string& name, char type, int length, int decimals);

  const TableContext context_;
};
