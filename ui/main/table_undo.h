// Undo of the changes the program makes to tables: before any command
// changes a file that is there (the announcement of ui/platform/safe_write.h),
// the file is kept as it was; "Отменить" puts the last kept version of the
// table shown back and shows it again.
#pragma once

#include "companion_files.h"
#include "safe_write.h"
#include "table_context.h"
#include "table_versions.h"

#include <string>

class TTableUndo final : public ui::ChangeWatcher {
 public:
  // Keeps versions in `folder` while it lives.
  TTableUndo(const TableContext& context, const std::string& folder);

  void BeforeChange(const std::string& path) override;
  void Undo1Click();  // "Отменить"

 private:
  const TableContext context_;
  ui::TableVersions versions_;
  IndexNotice indexNotice_;
  ui::ChangeWatcherScope watching_{*this};
};
