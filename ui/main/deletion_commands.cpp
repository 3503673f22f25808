#include "deletion_commands.h"

#include "cell_values.h"
#include "dbf2_lib.h"
#include "int_text.h"
#include "main_window.h"
#include "table_checks.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>

namespace {

constexpr uint16_t kSlot = 1;
// The mark buttons look at the first 30 characters of column 0, and a mark
// they set is cut there.
constexpr size_t kMarkLimit = 30;
const char kDeleted[] = "Удаление выполнено!";

}  // namespace

TDeletionCommands::TDeletionCommands(TForm2& form) : form_(form) {
  form.Hook(form.ToolButton6, [this] { ToolButton6Click(); });
  form.Hook(form.ToolButton7, [this] { ToolButton7Click(); });
  form.Hook(form.ToolButton8, [this] { ToolButton8Click(); });
  form.Hook(form.ToolButton2, [this] { ToolButton2Click(); });
  form.Hook(form.Deleterecord1, [this] { Deleterecord1Click(); });
  form.Hook(form.N12, [this] { N12Click(); });
}

bool TDeletionCommands::Marked(int row) const {
  return cells::HasDeleteMark(form_.StringGrid1->Cell(row, 0).substr(0, kMarkLimit));
}

// Rows without a record (the header row of an empty table) carry no mark.
void TDeletionCommands::ToolButton6Click() {
  if (!form_.GridShown()) return;
  const int row = form_.StringGrid1->Row();
  if (row < 1 || Marked(row)) return;
  const std::string text = cells::Trimmed(form_.StringGrid1->Cell(row, 0)) + " Delete";
  form_.StringGrid1->SetCell(row, 0, text.substr(0, kMarkLimit));
  form_.StringGrid1->setFocus();
}

void TDeletionCommands::ToolButton7Click() {
  if (!form_.GridShown()) return;
  const int row = form_.StringGrid1->Row();
  if (row < 1 || !Marked(row)) return;
  form_.StringGrid1->SetCell(row, 0, ui::RightAligned(row, 7));
  form_.StringGrid1->setFocus();
}

void TDeletionCommands::ToolButton8Click() {
  if (!form_.PathGiven() || !form_.GridShown()) return;
  if (!GridTableWritable(form_)) return;
  dbf::Dbf2_lib db;
  db.DbfOpen(kSlot, form_.Table().TablePath);
  // Rows inserted and not saved have no record: they change nothing.
  const int64_t rows = std::min<int64_t>(form_.StringGrid1->RowCount() - 1, db.DbfRecCount(kSlot));
  bool anyMarked = false;
  for (int row = 1; row <= rows; ++row) {
    db.DbfGoNoRead(kSlot, row);
    if (Marked(row)) {
      db.DbfDelete(kSlot);
      anyMarked = true;
    } else {
      db.DbfRecall(kSlot);
    }
  }
  if (anyMarked) db.DbfPack(kSlot);
  ShowPurgedTable(db);
}

void TDeletionCommands::ToolButton2Click() {
  if (form_.PathGiven() && form_.GridShown()) DeleteSelectedRecord();
}

void TDeletionCommands::Deleterecord1Click() {
  if (form_.PathGiven()) DeleteSelectedRecord();
}

void TDeletionCommands::DeleteSelectedRecord() {
  if (!GridTableWritable(form_)) return;
  dbf::Dbf2_lib db;
  db.DbfOpen(kSlot, form_.Table().TablePath);
  // The header row of a table without records, and rows inserted and not
  // saved, have no record to delete.
  const int row = form_.StringGrid1->Row();
  if (row < 1 || row > db.DbfRecCount(kSlot)) return;
  db.DbfGoNoRead(kSlot, row);
  db.DbfDelete(kSlot);
  db.DbfPack(kSlot);
  ShowPurgedTable(db);
}

void TDeletionCommands::ShowPurgedTable(dbf::Dbf2_lib& db) {
  db.DbfCloseAll();
  form_.RefillRows();
  form_.Dialogs().Message(kDeleted);
  form_.ProgressBar1->hide();
}

void TDeletionCommands::N12Click() {
  if (!form_.GridShown()) return;
  if (!GridTableWritable(form_)) return;
  {
    dbf::Dbf2_lib db;
    db.DbfOpen(kSlot, form_.Table().TablePath);
    db.DbfZap(kSlot);
    db.DbfCloseAll();
  }
  form_.Dialogs().Message(kDeleted);
  // The grid shows the emptied table: one header row, not fixed.
  form_.Table().Load();
}
