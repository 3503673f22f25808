// Copying records between tables of different layout, fields paired by name:
// a range of the current table's records appended to a table in its folder
// (the bottom panel's Edit1, Edit3, Edit2 and Button2), and every record of
// another table appended to the current one (menu "Операции").
#pragma once

#include "table_context.h"

#include <cstdint>
#include <string>

class QLineEdit;
namespace dbf {
class Dbf2_lib;
}
namespace ui {
class Progress;
}

class TRecordCopy {
 public:
  // The bottom panel's boxes: the copy's name, the last and the first
  // record number.
  TRecordCopy(const TableContext& context, QLineEdit& edit1, QLineEdit& edit2, QLineEdit& edit3);

  void Button2Click();  // "Копировать файл"
  void N13Click();      // "Скопировать из файла :"

 private:
  // Appends the table's records typedFirst to typedLast, numbers as typed
  // (below 1: the first and the last record), to the target, made first
  // with the table's structure when `create`; false when nothing was copied
  // (the person has been told why).
  bool CopyRange(const std::string& target, bool create, int64_t typedFirst, int64_t typedLast);
  // Appends every record of the other table (slot 2) to the table (slot 1).
  void AppendOther(dbf::Dbf2_lib& db, ui::Progress& progress);

  const TableContext context_;
  QLineEdit& Edit1;
  QLineEdit& Edit2;
  QLineEdit& Edit3;
};
