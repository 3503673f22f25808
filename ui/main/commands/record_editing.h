// Correcting the table in the record grid: cell editing on and off, empty
// rows inserted, and the grid written back, by "Save" into the table the rows
// came from or by "Save as :" into a new table with the same fields. Each data
// row becomes one record, its cells converted by the type letter of the field
// at the same position (WriteGridRow), rows marked " Delete" as records
// marked deleted.
#pragma once

#include "table_context.h"

#include <string>

namespace dbf {
class Dbf2_lib;
}

class TRecordEditing {
 public:
  explicit TRecordEditing(const TableContext& context);

  void N5Click();           // "Корректировать"
  void N6Click();           // "Отмена корректировки"
  void N8Click();           // "Вставить строку" > "Перед строкой"
  void N9Click();           // "Вставить строку" > "После строки"
  void ToolButton4Click();  // "Сохранить  файл "
  void Save1Click();        // "Save"
  void Saveas1Click();      // "Save as :"

  // Appends grid row `row` as a new record of the table open in slot 2.
  void WriteGridRow(dbf::Dbf2_lib& db, int row);

  // False when no grid edit is left to undo (or to redo).
  bool UndoGridEdit();
  bool RedoGridEdit();

 private:
  // Inserts an empty row at `row`; column 0 keeps its texts at their rows.
  void InsertEmptyRow(int row);
  // Writes into `file` the table emptied and every data row appended.
  void RewriteTable(const std::string& table, const std::string& file);
  // Appends every data row to the table open in slot 2, showing progress.
  void WriteRows(dbf::Dbf2_lib& db);
  // Reads the saved rows back, the cursor where it was.
  void RefillKeepingPlace();
  // Undoes (back) or redoes the next step of the grid's history.
  bool StepThroughHistory(bool back);

  const TableContext context_;
};
