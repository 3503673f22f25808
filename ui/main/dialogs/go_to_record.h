// "Перейти к записи": asks for a record number and makes that row of the
// record grid the current one.
#pragma once

#include "table_context.h"

class TGoToRecord {
 public:
  explicit TGoToRecord(const TableContext& context) : context_(context) {}

  void GoToClick();

 private:
  const TableContext& context_;
};
