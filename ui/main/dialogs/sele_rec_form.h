// The operations dialog: a tool window that applies one operation to every
// record of the table shown in the main window: mark every grid row for
// deletion, clear every mark, or copy every record of the table file into
// another existing table (fields paired by name). The main window is
// disabled while the dialog is shown.
#pragma once

#include "table_context.h"

#include <QWidget>

#include <string>

class QPushButton;
class QTableView;
namespace ui {
class RadioGroup;
}

class TSeleRecForm : public QWidget {
 public:
  explicit TSeleRecForm(const TableContext& context);

  void N14Click();  // "Выполнить условие" in the main window: opens the dialog
  void FormClose();
  void RadioGroup1Click();
  void Button1Click();  // "Отметка для удаления"
  void Button2Click();  // "Снять отметку об удалении"
  void Button3Click();  // "Копировать в файл :"

  QWidget* Panel1;
  ui::RadioGroup* RadioGroup1;
  QPushButton *Button1, *Button2, *Button3;
  QWidget* Panel2;
  QTableView* DrawGrid1;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Sets column 0 of every data row to its number, with the mark or without.
  void SetAllMarks(bool marked);
  // Appends every record of the source table, marked deleted or not, to the
  // target table.
  void CopyAllRecords(const std::string& source, const std::string& target);

  const TableContext context_;
  QWidget* mainWindow_ = nullptr;  // disabled while the dialog is shown
};
