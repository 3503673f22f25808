#include "record_editing.h"

#include "cell_values.h"
#include "dbf2_lib.h"
#include "dbf_header.h"
#include "file_name.h"
#include "file_replace.h"
#include "main_window.h"
#include "progress.h"
#include "record_grid_options.h"
#include "table_checks.h"

#include <QAction>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

namespace {

constexpr uint16_t kTarget = 2;
constexpr size_t kMarkLimit = 20;

// Starts the new file as the table's header and field descriptors: emptying
// the table in it then gives the very bytes emptying the table itself would.
void CopyTableHeader(const std::string& table, const std::string& file) {
  dbf::TableFile from;
  if (!from.Open(table)) throw dbf::IoError(errno, "open " + table);
  const int64_t size = from.Size();
  dbf::HeaderInfo header;
  std::vector<char> bytes;
  if (dbf::ReadHeader(from, size, header)) {
    bytes.resize(static_cast<size_t>(std::min<int64_t>(size, header.headerSize + 1)));
    from.ReadAt(0, bytes.data(), bytes.size());
  }
  dbf::TableFile to;
  to.Create(file);
  to.WriteAt(0, bytes.data(), bytes.size());
}

}  // namespace

TRecordEditing::TRecordEditing(TForm2& form) : form_(form) {
  form.Hook(form.N5, [this] { N5Click(); });
  form.Hook(form.N6, [this] { N6Click(); });
  form.Hook(form.N8, [this] { N8Click(); });
  form.Hook(form.N9, [this] { N9Click(); });
  form.Hook(form.ToolButton4, [this] { ToolButton4Click(); });
  form.Hook(form.Save1, [this] { Save1Click(); });
  form.Hook(form.Saveas1, [this] { Saveas1Click(); });
}

void TRecordEditing::N5Click() {
  form_.StringGrid1->SetOptions(kRecordGridEditing);
  form_.StringGrid1->setFocus();
}

void TRecordEditing::N6Click() {
  form_.StringGrid1->SetOptions(kRecordGridViewing);
  form_.StringGrid1->setFocus();
}

void TRecordEditing::N8Click() { InsertEmptyRow(form_.StringGrid1->Row()); }

void TRecordEditing::N9Click() { InsertEmptyRow(form_.StringGrid1->Row() + 1); }

void TRecordEditing::InsertEmptyRow(int row) {
  ui::StringGrid& grid = *form_.StringGrid1;
  if (grid.ColCount() == 0) return;  // no table was ever shown
  const int selectedRow = grid.Row();
  const int selectedCol = grid.Col();
  const int last = grid.RowCount() - 1;
  // The header row stays on top: a row inserted before it goes right under it.
  row = std::clamp(row, 1, last + 1);
  {
    ui::StringGrid::BatchUpdate batch(grid);
    grid.InsertRow(row);
    for (int i = row; i <= last; ++i) grid.SetCell(i, 0, grid.Cell(i + 1, 0));
    grid.SetCell(last + 1, 0, {});
    if (grid.FixedRows() == 0) grid.SetFixedRows(1);
  }
  grid.SetSelectedCell(selectedRow, selectedCol);
}

void TRecordEditing::Save1Click() { ToolButton4Click(); }

void TRecordEditing::ToolButton4Click() {
  if (!form_.GridShown() || !form_.PathGiven()) return;
  if (!GridTableWritable(form_)) return;
  form_.StringGrid1->CommitEdit();
  const std::string table = form_.TablePath;
  ui::FileRewrite rewrite;
  rewrite.writeNew = [&](const std::string& file) {
    CopyTableHeader(table, file);
    RewriteTable(file);
  };
  rewrite.writeInPlace = [this](const std::string& file) { RewriteTable(file); };
  ui::ReplaceFileContents(table, rewrite);
  // A new file took the table's place: the rows now come from that one.
  form_.RowsFile = FileIdentity::Of(table);
  form_.Dialogs().Message("Сохранение выполнено!");
}

void TRecordEditing::RewriteTable(const std::string& file) {
  dbf::Dbf2_lib db;
  db.DbfOpen(kTarget, file);
  db.DbfZap(kTarget);
  db.DbfClose(kTarget);
  db.DbfOpen(kTarget, file);
  WriteRows(db);
  db.DbfCloseAll();
}

void TRecordEditing::Saveas1Click() {
  const auto choice = form_.Dialogs().SaveFile(ui::kTableFilter);
  if (!choice) return;
  form_.SecondPath = TrimBlanks(choice->path);
  const std::string table = TrimBlanks(form_.TablePath);
  // Another spelling of the table's name, or a link to it, is the same file:
  // replacing it would destroy the table before its structure is copied.
  if (SameTableFile(form_.Dialogs(), form_.SecondPath, table)) return;
  if (table.empty()) return;
  if (!GridTableWritable(form_)) return;
  form_.StringGrid1->CommitEdit();
  if (FileExists(form_.SecondPath)) std::filesystem::remove(form_.SecondPath);
  dbf::Dbf2_lib db;
  db.DbfAssign(1, form_.TablePath);
  db.DbfAssign(kTarget, form_.SecondPath);
  db.DbfCopyStructure(1, kTarget);
  db.DbfOpen(kTarget, form_.SecondPath);
  WriteRows(db);
  db.DbfCloseAll();
  form_.Dialogs().Message("Копирование выполнено!");
}

void TRecordEditing::WriteRows(dbf::Dbf2_lib& db) {
  db.DbfGatherWrites(kTarget, true);
  const int rows = form_.StringGrid1->RowCount();
  ui::Progress progress(form_.ProgressBar1, rows);
  for (int row = 1; row < rows; ++row) {
    progress.Set(row);
    WriteGridRow(db, row);
  }
}

void TRecordEditing::WriteGridRow(dbf::Dbf2_lib& db, int row) {
  const ui::CellStore& store = form_.StringGrid1->Store();
  db.DbfBlank(kTarget);
  int col = 1;
  for (const dbf::FieldNode* f = db.DbfFields(kTarget); f; f = f->next, ++col) {
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
  const std::string mark = cells::Trimmed(store.Cell(row, 0)).substr(0, kMarkLimit);
  if (cells::HasDeleteMark(mark)) db.DbfDelete(kTarget);
}
