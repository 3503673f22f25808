// The column commands of the bottom panel's group "По имени столбца": the sum
// of a numeric column and the removal of the records whose value in it is
// zero, for the field named in Edit4. Both read the table file, not the grid.
#pragma once

#include "table_command_steps.h"

#include <functional>

class TForm2;
namespace dbf {
class Dbf2_lib;
struct FieldNode;
}  // namespace dbf

class TColumnCommands {
 public:
  // Hooks the commands onto the window's Button4 and Button5.
  explicit TColumnCommands(TForm2& form);

  void Button4Click();  // "Подсчет суммы"
  void Button5Click();  // "Удалить нулевые"

 private:
  const dbf::FieldNode* OpenWithNumericField(dbf::Dbf2_lib& db, TableAccess access);
  void ForEveryRecord(dbf::Dbf2_lib& db, const std::function<void()>& visit);

  TForm2& form_;
};
