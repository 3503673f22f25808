// Deletion marks and record deletion: marking and unmarking the selected
// grid row, deleting the marked records or the selected one (the table is
// purged into a new file that takes its place, and the grid refilled from
// it), and removing every record of the table.
#pragma once

#include "table_context.h"

#include <cstdint>
#include <functional>

class TDeletionCommands {
 public:
  explicit TDeletionCommands(const TableContext& context);

  void ToolButton6Click();    // "Отетка удаления записи"
  void ToolButton7Click();    // "Снять отметку удаления"
  void ToolButton8Click();    // "Удалить отмеченные записи"
  void ToolButton2Click();    // "Удалить запись"
  void Deleterecord1Click();  // "Delete record"
  void N12Click();            // "Очистить весь файл"

 private:
  // Whether the row's column 0, looked at as the mark buttons do, is marked.
  bool Marked(int row) const;
  // Flags the record of the selected row deleted and purges the table.
  void DeleteSelectedRecord();
  // Purges the table of every record `keep` does not keep (told the
  // record's number and flag), refills the grid and tells it is done.
  void Purge(const std::function<bool(int64_t record, char flag)>& keep);

  const TableContext context_;
};
