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
constexpr size_t kMarking = 0;
constexpr size_t kPacking = 1;
constexpr size_t kRefilling = 2;

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

void TDeletionCommands::ToolButton8Click() {
  if (!context_.PathGiven() || !context_.GridShown()) return;
  if (!GridTableWritable(context_)) return;
  Purge([this](dbf::Dbf2_lib& db, ui::Progress& progress) {
    // Rows inserted and not saved have no record: they change nothing.
    const int64_t rows = std::min<int64_t>(context_.grid.RowCount() - 1, db.DbfRecCount(kSlot));
    progress.Phase(kMarking, rows);
    bool anyMarked = false;
    for (int row = 1; row <= rows; ++row) {
      progress.Set(row);
      db.DbfGoNoRead(kSlot, row);
      if (Marked(row)) {
        db.DbfDelete(kSlot);
        anyMarked = true;
      } else {
        db.DbfRecall(kSlot);
      }
    }
    return anyMarked;
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
  Purge([row](dbf::Dbf2_lib& db, ui::Progress&) {
    db.DbfGoNoRead(kSlot, row);
    db.DbfDelete(kSlot);
    return true;
  });
}

// The marks are set, the purge runs and the grid is refilled, under one
// bar; until the file is purged a stop (or failure) puts it back as it was.
void TDeletionCommands::Purge(const std::function<bool(dbf::Dbf2_lib&, ui::Progress&)>& mark) {
  {
    ui::Progress progress(context_.progress, {1, 2, 2});
    ui::KeepOnFailure(context_.table.TablePath, ui::kWholeFile, [&] {
      dbf::Dbf2_lib db;
      db.DbfOpen(kSlot, context_.table.TablePath);
      const bool anyMarked = mark(db, progress);
      progress.Phase(kPacking, 1);
      db.DbfOnStep(progress.Steps());
      if (anyMarked) db.DbfPack(kSlot);
      db.DbfCloseAll();
    });
    progress.Phase(kRefilling, 1);
    context_.table.Refill();
  }
  context_.dialogs.Message(dbf::Tr("TDeletionCommands", kDeleted));
}

void TDeletionCommands::N12Click() {
  if (!context_.GridShown()) return;
  if (!GridTableWritable(context_)) return;
  ui::AnnounceChange(context_.table.TablePath);
  {
    dbf::Dbf2_lib db;
    db.DbfOpen(kSlot, context_.table.TablePath);
    db.DbfZap(kSlot);
    db.DbfCloseAll();
  }
  context_.dialogs.Message(dbf::Tr("TDeletionCommands", kDeleted));
  // The grid shows the emptied table: one header row, not fixed.
  context_.table.Load(ui::Stop::Refused);
}
