// The report panel Panel4: sets up the columns of the fixed-width text report
// in StringGrid3, writes the report next to the table and may hand it to the
// word processor. The table stays open in the panel's own engine from
// ToolButton3Click until the panel closes.
#pragma once

#include "office_panel_links.h"
#include "task_panel.h"

#include <memory>
#include <string>
#include <optional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace dbf {
class Dbf2_lib;
}
namespace ui {
class RadioGroup;
class StringGrid;
}  // namespace ui

namespace office {
struct ReportLayout;
}

class TReportPanel : public TaskPanel {
 public:
  TReportPanel(office::OfficePanelLinks links, QWidget* parent);
  ~TReportPanel() override;

  void ToolButton3Click();  // "Печать в текстовый файл и MS  WORD"
  void Button8Click();      // "Выполнить"
  void StringGrid3Click();
  void StringGrid3KeyPress(int& key);

  QLabel *Label7, *Label8, *Label6, *Label9;
  QLineEdit* Edit7;  // records on the first sheet
  QLineEdit* Edit8;  // records on every later sheet
  QLineEdit* Edit6;  // the field summed on every sheet and in the total
  QLineEdit* Edit9;  // number of field columns
  ui::StringGrid* StringGrid3;
  ui::RadioGroup* RadioGroup2;  // "Печатать"
  ui::RadioGroup* RadioGroup3;  // "Номер строки"
  QPushButton* Button8;
  QPushButton* Button9;  // "Выход"
  QProgressBar* ProgressBar2;

 private:
  void Closing() override;
  void BuildControls();
  void ResetColumnGrid();
  // The panel's own captions as bytes of the table's code page, and bytes of
  // that page as message text.
  std::string Caption(const QString& text) const;
  std::string MessageText(const std::string& bytes) const;
  // Enter in the name column: a record-grid column name, or the row-number caption in row 1.
  void AcceptColumnName(int row);
  // Enter in the width column.
  void AcceptColumnWidth(int row);
  // The counts and columns of the panel, their fields checked against the
  // table, or none after telling the user what is wrong.
  std::optional<office::ReportLayout> ReadLayout();

  office::OfficePanelLinks links_;
  std::unique_ptr<dbf::Dbf2_lib> db_;
  // The code page of the table the panel was opened for: the report's own
  // texts are written in it, so the report file is in one code page.
  ui::CodePage page_ = ui::CodePage::Windows1251;
};
