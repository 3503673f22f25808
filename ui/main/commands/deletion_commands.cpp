#include "deletion_commands.h"

#include "cell_values.h"
#include "dbf2_lib.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "int_text.h"
#include "progress.h"
#include "record_store.h"
#include "safe_write.h"
#include "string_grid.h"
#include "table_checks.h"
#include "table_command_steps.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>

namespace {

constexpr uint16_t kSlot = 1;
// The mark buttons look at the first 30 characters of column 0, and a mark
// they set is cut there.
constexpr size_t kMarkLimit = 30;
const char kDeleted[] = DBF_TR_NOOP("TDeletionCommands", "Удаление выполнено!");
// The phases of a purge on the progress bar.
constexpr size_t kPacking = 0;
constexpr size_t kRefilling = 1;

}  // namespace

TDeletionCommands::TDeletionCommands(const TableContext& context) : context_(context) {
}

bool TDeletionCommands::Marked(int row) const {
  return cells::HasDeleteMark(context_.grid.Cell(row, 0).substr(0, kMarkLimit));
}

// Rows without a record (the header row of an empty table) carry no mark.
void TDeletionCommands::ToolButton6Click() {
  if (!context_.GridShown()) return;
  const int row = context_.grid.Row();
  if (row < 1 || Marked(row)) return;
  const std::string text = cells::Trimmed(context_.grid.Cell(row, 0)) + " Delete";
  context_.grid.SetCell(row, 0, text.substr(0, kMarkLimit));
  context_.grid.setFocus();
}

void TDeletionCommands::ToolButton7Click() {
  if (!context_.GridShown()) return;
  const int row = context_.grid.Row();
  if (row < 1 || !Marked(row)) return;
  context_.grid.SetCell(row, 0, ui::RightAligned(row, 7));
  context_.grid.setFocus();
}

// The grid's marks decide for the records it shows; records past its rows
// (none while the rows fit the table) go when their flags say so.
void TDeletionCommands::ToolButton8Click() {
  if (!context_.PathGiven() || !context_.GridShown()) return;
  if (!GridTableWritable(context_)) return;
  const RecordStore* store = context_.table.Rows();
  const int64_t rows = context_.grid.RowCount() - 1;
  Purge([this, store, rows](int64_t record, char flag) {
    if (record > rows) return flag == dbf::kFlagLive;
    return store ? !store->MarkedDeleted(static_cast<int>(record), kMarkLimit) : !Marked(static_cast<int>(record));
  });
}

void TDeletionCommands::ToolButton2Click() {
  if (context_.PathGiven() && context_.GridShown()) DeleteSelectedRecord();
}

void TDeletionCommands::Deleterecord1Click() {
  if (context_.PathGiven()) DeleteSelectedRecord();
}

void TDeletionCommands::DeleteSelectedRecord() {
  if (!GridTableWritable(context_)) return;
  // The header row of a table without records, and rows inserted and not
  // saved, have no record to delete; the table is then not even opened.
  const int row = context_.grid.Row();
  if (row < 1 || row > context_.table.Rows()->RecordCount()) return;
  Purge([row](int64_t record, char flag) { return flag == dbf::kFlagLive && record != row; });
}

// The purge and the grid's refill under one bar; until the new file takes the
// table's place a stop (or failure) leaves the table as it was. The rows fit
// the table (GridTableWritable), so the grid is purged as the file was.
void TDeletionCommands::Purge(const std::function<bool(int64_t record, char flag)>& keep) {
  {
    ui::Progress progress(context_.progress, {2, 1});
    dbf::Dbf2_lib db(context_.files.Files());
    db.DbfOpenForReading(kSlot, context_.table.TablePath());
    PurgeTable(context_.files, db, kSlot, context_.table.TablePath(), keep, progress, kPacking);
    db.DbfCloseAll();
    progress.Phase(kRefilling, 1);
    context_.table.Purged(keep, context_.files);
  }
  context_.dialogs.Message(dbf::Tr("TDeletionCommands", kDeleted));
}

void TDeletionCommands::N12Click() {
  if (!context_.GridShown()) return;
  if (!GridTableWritable(context_)) return;
  const std::string& table = context_.table.TablePath();
  ui::FileServices& files = context_.files;
  ui::ReplaceFileContents(files, table, {[&](const std::string& file) { WriteEmptiedTable(files.Files(), table, file); }});
  context_.dialogs.Message(dbf::Tr("TDeletionCommands", kDeleted));
  // The grid shows the emptied table: one header row, not fixed.
  context_.table.Load(ui::Stop::Refused);
}
