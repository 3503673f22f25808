// Undo of the changes the program makes to tables: before any command
// changes a file that is there (told by the context's file services),
// the file is kept as it was, named by the command; when the command ends,
// how it left the file is recorded, and a command that changed no byte
// keeps no version. "Отменить" puts the last kept version of the table shown
// back and shows it again; "Вернуть" takes that undo back.
//
// Each step first keeps the content it replaces as a version of the other
// way, so nothing it overwrites is lost. A step asks before it overwrites a
// file somebody changed since the program left it, and never runs while
// the grid holds edits not saved (it would drop them).
//
// A table whose write in place a kill broke off is named at the next start,
// with the choice to put it back.
#pragma once

#include "companion_files.h"
#include "safe_write.h"
#include "table_context.h"
#include "table_versions.h"

#include <string>
#include <vector>

class TTableUndo final : public ui::ChangeWatcher {
 public:
  // Keeps versions in `folder` while it lives.
  TTableUndo(const TableContext& context, const std::string& folder);
  ~TTableUndo() override;

  void BeforeChange(const std::string& path) override;
  void BeforeReplace(const std::string& path) override;
  void ReplaceFailed(const std::string& path) override;
  void WriteBegins(const std::string& path) override;
  void WriteEnded(const std::string& path) override;
  // The name of the command that runs now, for the versions it keeps.
  void CommandNamed(const std::string& name);
  // Records how the versions kept since the last call left their files.
  void CommandEnded();

  void Undo1Click();  // "Отменить"
  void Redo1Click();  // "Вернуть"
  // The menu's captions: "Отменить: <command>, <time>" for the step Undo1Click
  // would take, plain "Отменить" when there is none; likewise "Вернуть".
  std::string UndoCaption() const;
  std::string RedoCaption() const;
  // Names each table whose write was broken off and asks whether to put
  // back its version from before the write.
  void OfferInterruptedWrites();

 private:
  void Keep(const std::string& path, ui::TableVersions::Keeping keeping,
            const std::optional<ui::Successor>& after = {});
  void Step(ui::VersionSide side);
  // True when the file is as the change after `version` left it.
  bool LeftAsIs(const ui::TableVersion& version) const;
  void RecordSuccessor(uint64_t id, const std::string& path);
  // True when the file's stamp `now` is the recorded successor's but for
  // the status time.
  static bool StillAsWritten(const ui::TableVersion& version, const std::optional<FileStamp>& now);

  const TableContext context_;
  ui::TableVersions versions_;
  IndexNotice indexNotice_;
  std::string command_;
  std::vector<uint64_t> pending_;  // kept during the command that runs
  ui::ChangeWatcherScope watching_{context_.files, *this};
};
