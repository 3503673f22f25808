// The question before a command that would drop the grid's unsaved edits
// (closing, opening another table, a command that fills the grid again):
// "Да" saves them as Save does, "Нет" drops them, "Отмена" stops the
// command. With no edits nothing is asked.
#pragma once

#include "table_context.h"

#include <functional>

class TUnsavedEdits {
 public:
  // `save` is the Save command.
  TUnsavedEdits(const TableContext& context, std::function<void()> save);

  // True when the command may go on: no edits, or the user had them saved
  // (and they were) or dropped.
  bool Settled();

 private:
  const TableContext context_;
  std::function<void()> save_;
};
