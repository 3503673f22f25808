// The CSV exchange of the "Файлы" menu: the grid's rows saved as a CSV file
// in UTF-8 (plain, or for spreadsheets in a Russian locale, chosen in the
// save dialog), and a new table made from a CSV file (UTF-8, Windows 1251 or
// DOS 866, told from its bytes or chosen in the open dialog), its fields
// guessed from the values or taken from a table chosen as a template, then
// opened in the grid.
#pragma once

#include "table_context.h"

#include <functional>
#include <string>

class TCsvCommands {
 public:
  // `openTable` opens a table file in the grid as "Open file dbf" does.
  TCsvCommands(const TableContext& context, std::function<void(const std::string&)> openTable);

  void SaveAsCsvClick();      // "Сохранить как CSV…"
  void CreateFromCsvClick();  // "Создать из CSV…"

 private:
  const TableContext context_;
  std::function<void(const std::string&)> openTable_;
};
