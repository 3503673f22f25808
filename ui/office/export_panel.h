// The export panel Panel5: copies the table into a new spreadsheet workbook,
// numeric fields optionally with a decimal comma, optionally with a header
// row and numbers, dates and booleans as such; also runs the payment-list
// export of the "Прочие операции" menu.
#pragma once

#include "office_panel_links.h"
#include "task_panel.h"

class QCheckBox;
class QPushButton;

namespace ui {
class RadioGroup;
}

class TExportPanel : public TaskPanel {
 public:
  TExportPanel(office::OfficePanelLinks links, QWidget* parent);

  void ToolButton5Click();     // "Записать в MS EXCEL"
  void SavetoMSEXCEL1Click();  // "Save to MS EXCEL"
  void Button3Click();         // "Выполнить"
  void N16Click();             // "В EXCEL для Redozazoz"

  ui::RadioGroup* RadioGroup1;  // "Заменить точку на запятую? "
  QCheckBox* CheckBoxTyped;     // "с заголовками и типами"
  QPushButton* Button3;
  QPushButton* Button11;  // "Отмена"

 private:
  office::OfficePanelLinks links_;
};
