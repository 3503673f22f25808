#include "record_editing.h"

#include "cell_values.h"
#include "companion_files.h"
#include "dbf2_lib.h"
#include "dbf_header.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "file_name.h"
#include "output_name.h"
#include "progress.h"
#include "record_grid_options.h"
#include "record_store.h"
#include "safe_write.h"
#include "string_grid.h"
#include "table_checks.h"
#include "grid_paste.h"
#include "table_command_steps.h"

#include <QAction>
#include <QString>

#include <algorithm>
#include <vector>

namespace {

constexpr uint16_t kTarget = 2;
constexpr size_t kMarkLimit = 20;
// Unedited records are appended in runs of about this many bytes (runs of
// 16 MB made Save of an unedited table take about twice as long).
constexpr int64_t kRunBytes = int64_t{1} << 20;

}  // namespace

TRecordEditing::TRecordEditing(const TableContext& context) : context_(context) {
  context_.grid.onPaste = [this](const QString& text) {
    context_.guard.Run([this, &text] { PasteBlock(context_, text); });
  };
}

bool TRecordEditing::UndoGridEdit() { return StepThroughHistory(true); }

bool TRecordEditing::RedoGridEdit() { return StepThroughHistory(false); }

// The cursor goes to the cell the step changed.
bool TRecordEditing::StepThroughHistory(bool back) {
  RecordStore* rows = context_.table.Rows();
  if (!rows) return false;
  ui::StringGrid& grid = context_.grid;
  grid.CommitEdit();
  const std::optional<RecordStore::Place> place = back ? rows->Undo() : rows->Redo();
  if (!place) return false;
  const int col = place->column >= 1 ? place->column : grid.Col();
  grid.StoreChanged();
  grid.SetSelectedCell(std::min(place->row, grid.RowCount() - 1), col);
  grid.setFocus();
  return true;
}

void TRecordEditing::N5Click() {
  context_.grid.SetOptions(kRecordGridEditing);
  context_.grid.setFocus();
}

void TRecordEditing::N6Click() {
  context_.grid.SetOptions(kRecordGridViewing);
  context_.grid.setFocus();
}

void TRecordEditing::N8Click() { InsertEmptyRow(context_.grid.Row()); }

void TRecordEditing::N9Click() { InsertEmptyRow(context_.grid.Row() + 1); }

void TRecordEditing::InsertEmptyRow(int row) {
  ui::StringGrid& grid = context_.grid;
  if (grid.ColCount() == 0) return;  // no table was ever shown
  const int selectedRow = grid.Row();
  const int selectedCol = grid.Col();
  const int last = grid.RowCount() - 1;
  // The header row stays on top: a row inserted before it goes right under it.
  row = std::clamp(row, 1, last + 1);
  {
    // The record grid's store keeps column 0 at its rows' positions.
    ui::StringGrid::BatchUpdate batch(grid);
    grid.InsertRow(row);
    if (grid.FixedRows() == 0) grid.SetFixedRows(1);
  }
  grid.SetSelectedCell(selectedRow, selectedCol);
}

void TRecordEditing::Save1Click() { ToolButton4Click(); }

void TRecordEditing::ToolButton4Click() {
  if (!context_.GridShown() || !context_.PathGiven()) return;
  context_.grid.CommitEdit();
  if (!GridTableWritable(context_)) return;
  const std::string table = context_.table.TablePath();
  ui::FileRewrite rewrite;
  rewrite.writeNew = [&](const std::string& file) { RewriteTable(table, file); };
  ui::ReplaceFileContents(context_.files, table, rewrite);
  // A new file took the table's place: the rows now come from that one,
  // shown as stored and numbered as the records now are.
  if (!context_.table.RowsSavedTo(table, context_.files)) RefillKeepingPlace();
  context_.dialogs.Message(dbf::Tr("TRecordEditing", "Сохранение выполнено!"));
}

void TRecordEditing::RefillKeepingPlace() {
  ui::StringGrid& grid = context_.grid;
  const int row = grid.Row();
  const int col = grid.Col();
  context_.table.Refill();
  grid.SetSelectedCell(std::min(row, grid.RowCount() - 1), col);
}

void TRecordEditing::RewriteTable(const std::string& table, const std::string& file) {
  WriteEmptiedTable(context_.files.Files(), table, file);
  dbf::Dbf2_lib db(context_.files.Files());
  db.DbfOpen(kTarget, file);
  WriteRows(db);
  db.DbfCloseAll();
}

void TRecordEditing::Saveas1Click() {
  const auto choice = context_.dialogs.SaveFile(ui::TableFilter());
  if (!choice) return;
  OpenTable& table = context_.table;
  const std::string copy = WithTableExtension(TrimBlanks(choice->path));
  const std::string tablePath = TrimBlanks(table.TablePath());
  // Another spelling of the table's name, or a link to it, is the same file.
  if (SameTableFile(context_.dialogs, copy, tablePath)) return;
  if (tablePath.empty() || !table.Rows()) return;
  context_.grid.CommitEdit();
  // The new table is written from the grid's rows and the header they were
  // read with, so it can be made whatever became of the table's own file.
  // It takes the place of an existing file only once complete, and a
  // failure leaves no part of it behind.
  const std::vector<char>& header = table.RowsHeader();
  const auto write = [&](const std::string& file) {
    dbf::WriteEmptyTable(file, header, context_.files.Files());
    dbf::Dbf2_lib db(context_.files.Files());
    db.DbfOpen(kTarget, file);
    WriteRows(db);
    db.DbfCloseAll();
  };
  ui::RefuseLinkAt(copy);
  ui::ReplaceFileContents(context_.files, copy, {write});
  CopyMemoFile(context_.files, tablePath, copy);
  context_.dialogs.Message(dbf::Tr("TRecordEditing", "Копирование выполнено!"));
}

// Rows nobody edited go out as the very records they were read from: rows
// whose records lie one after another in the store, straight from it, many
// at a time; a record whose mark changed as a copy with its flag set; edited
// and inserted rows through WriteGridRow.
void TRecordEditing::WriteRows(dbf::Dbf2_lib& db) {
  db.DbfGatherWrites(kTarget, true);
  const RecordStore& store = *context_.table.Rows();
  const uint32_t length = store.RecordLength();
  const int rows = context_.grid.RowCount();
  ui::Progress progress(context_.progress, rows - 1);
  const char* run = nullptr;
  int64_t runCount = 0;
  const auto flush = [&] {
    if (runCount > 0) db.DbfAppendRecords(kTarget, run, runCount);
    runCount = 0;
  };
  std::vector<char> remarked(length);
  for (int row = 1; row < rows; ++row) {
    progress.Set(row);
    const char* source = store.SourceRecord(row);
    if (!source || store.RowChanged(row)) {
      flush();
      WriteGridRow(db, row);
      continue;
    }
    // The mark in column 0 decides; a record that keeps its mark keeps its
    // very flag byte.
    const bool marked = store.MarkedDeleted(row, kMarkLimit);
    if (marked != (*source == dbf::kFlagDeleted)) {
      flush();
      std::copy_n(source, length, remarked.begin());
      remarked[0] = marked ? dbf::kFlagDeleted : dbf::kFlagLive;
      db.DbfAppendRecords(kTarget, remarked.data(), 1);
      continue;
    }
    if (runCount > 0 && source != run + runCount * length) flush();
    if (runCount == 0) run = source;
    if (++runCount * length >= kRunBytes) flush();
  }
  flush();
}

// An edited row starts from its record's bytes and converts only the cells
// typed in; an inserted row starts blank and converts every cell.
void TRecordEditing::WriteGridRow(dbf::Dbf2_lib& db, int row) {
  const RecordStore& store = *context_.table.Rows();
  if (const char* source = store.SourceRecord(row)) {
    db.DbfSetBuffer(kTarget, source + 1);
  } else {
    db.DbfBlank(kTarget);
  }
  int col = 1;
  for (const dbf::FieldNode* f = db.DbfFields(kTarget); f; f = f->next, ++col) {
    if (!store.CellChanged(row, col)) continue;
    const std::string_view cell = store.Cell(row, col);
    switch (f->type) {
      case 'C':
      case 'c':
      case 'D':
      case 'd':
        db.DbfPutStr(kTarget, cells::Trimmed(cell), f->LookupName());
        break;
      case 'L':
      case 'l':
        db.DbfPutStr(kTarget, cells::LogicalValue(cell), f->LookupName());
        break;
      case 'N':
      case 'n':
        db.DbfPutNum(kTarget, cells::DecimalValue(cell), f->LookupName());
        break;
      default:
        break;  // other types keep the blanks of the empty record
    }
  }
  db.DbfAppend(kTarget);
  if (store.MarkedDeleted(row, kMarkLimit)) db.DbfDelete(kTarget);
}
