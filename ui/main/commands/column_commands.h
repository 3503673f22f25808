// The column commands of the bottom panel's group "По имени столбца": the sum
// of a numeric column and the removal of the records whose value in it is
// zero, for the field named in Edit4. Both read the table file, not the grid.
#pragma once

#include "table_command_steps.h"
#include "table_context.h"

#include <functional>

class QLineEdit;
namespace dbf {
class Dbf2_lib;
struct FieldNode;
}  // namespace dbf

class TColumnCommands {
 public:
  // `edit4` is the bottom panel's box that names the field.
  TColumnCommands(const TableContext& context, QLineEdit& edit4);

  void Button4Click();  // "Подсчет суммы"
  void Button5Click();  // "Удалить нулевые"

 private:
  const dbf::FieldNode* OpenWithNumericField(dbf::Dbf2_lib& db, TableAccess access);
  void ForEveryRecord(dbf::Dbf2_lib& db, const std::function<void()>& visit);

  const TableContext context_;
  QLineEdit& Edit4;
};
