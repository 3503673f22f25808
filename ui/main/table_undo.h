// Undo of the changes the program makes to tables: before any command
// changes a file that is there (the announcement of ui/platform/safe_write.h),
// the file is kept as it was; "Отменить" puts the last kept version of the
// table shown back and shows it again. A table whose write in place a kill
// broke off is named at the next start, with the choice to put it back.
#pragma once

#include "safe_write.h"
#include "table_context.h"
#include "table_versions.h"

#include <string>

class TTableUndo final : public ui::ChangeWatcher {
 public:
  // Keeps versions in `folder` while it lives.
  TTableUndo(const TableContext& context, const std::string& folder);

  void BeforeChange(const std::string& path) override;
  void BeforeReplace(const std::string& path) override;
  void ReplaceFailed(const std::string& path) override;
  void WriteBegins(const std::string& path) override;
  void WriteEnded(const std::string& path) override;
  void Undo1Click();  // "Отменить"
  // Names each table whose write was broken off and asks whether to put
  // back its version from before the write.
  void OfferInterruptedWrites();

 private:
  void Keep(const std::string& path, ui::TableVersions::Keeping keeping);

  const TableContext context_;
  ui::TableVersions versions_;
  ui::ChangeWatcherScope watching_{*this};
};
