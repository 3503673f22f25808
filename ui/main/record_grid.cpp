// The record grid: loading a table into StringGrid1 row by row, refilling it,
// the row-count text, the code-page switch and the grid font.
#include "main_window.h"

#include "code_page.h"
#include "dbf2_lib.h"
#include "file_name.h"
#include "int_text.h"
#include "progress.h"
#include "table_command_steps.h"

#include <QCheckBox>
#include <QLabel>


namespace {

constexpr uint16_t kSlot = 1;
constexpr size_t kMarkColumnLimit = 20;

std::string RecordNumberText(int64_t recNo, bool deleted) {
  std::string text = ui::RightAligned(recNo, 7);
  if (deleted) text += " Delete";
  return text.substr(0, kMarkColumnLimit);
}

// The field's name as the engine looks it up: ten bytes, zero padded.
std::string PaddedName(const dbf::FieldNode& field) {
  return std::string(field.name.data(), field.name.size());
}

}  // namespace

void TForm2::LoadGrid(dbf::Dbf2_lib& db) {
  if (TrimBlanks(TablePath).empty()) return;
  db.DbfOpen(kSlot, TablePath);
  if (!db.DbfIsOpen(kSlot)) {
    RefuseUnopenedTable();
    return;
  }
  RowsPath = TablePath;
  RowsFile = FileIdentity::Of(TablePath);
  const int64_t count = db.DbfRecCount(kSlot);
  StaticText1->setText(QString::number(count) + QString::fromUtf8(" строк"));
  ApplyCodePage();
  ui::StringGrid::BatchUpdate batch(*StringGrid1);
  StringGrid1->Clear();
  StringGrid1->SetRowCount(static_cast<int>(count + 1));
  StringGrid1->SetFixedRows(0);
  if (count > 0) StringGrid1->SetFixedRows(1);
  FillHeaderRow(db);
  FillRowsFromTop(db, count);
}

void TForm2::FillHeaderRow(dbf::Dbf2_lib& db) {
  // The program's own texts are held as Windows 1251 bytes, like typed text.
  std::vector<std::string> names{ui::EncodeTyped(QString::fromUtf8("№ п/п"))};
  for (const dbf::FieldNode* f = db.DbfFields(kSlot); f; f = f->next) names.push_back(f->Name());
  StringGrid1->SetColCount(static_cast<int>(names.size()));
  StringGrid1->SetRow(0, std::vector<std::string_view>(names.begin(), names.end()));
}

void TForm2::FillGridRow(dbf::Dbf2_lib& db) {
  const int64_t recNo = db.DbfRecNo(kSlot);
  rowCells_.resize(1);
  rowCells_[0] = RecordNumberText(recNo, db.DbfIsDeleted(kSlot));
  for (const dbf::FieldNode* f = db.DbfFields(kSlot); f; f = f->next) {
    rowCells_.push_back(db.DbfGetStr(kSlot, PaddedName(*f), 0));
  }
  if (recNo >= StringGrid1->RowCount()) StringGrid1->SetRowCount(static_cast<int>(recNo + 1));
  rowViews_.assign(rowCells_.begin(), rowCells_.end());
  StringGrid1->SetRow(static_cast<int>(recNo), rowViews_);
}

void TForm2::RefillRows(dbf::Dbf2_lib& db) {
  const int64_t count = db.DbfRecCount(kSlot);
  ui::StringGrid::BatchUpdate batch(*StringGrid1);
  StringGrid1->SetFixedRows(0);
  StringGrid1->SetRowCount(static_cast<int>(count + 1));
  if (count > 0) StringGrid1->SetFixedRows(1);
  FillRowsFromTop(db, count);
  StaticText1->setText(RecordCountText(count));
}

// Every record in file order, marked deleted or not, with the progress bar
// showing the record number.
void TForm2::FillRowsFromTop(dbf::Dbf2_lib& db, int64_t count) {
  ui::Progress progress(ProgressBar1, count);
  db.DbfTop(kSlot);
  while (!db.DbfEof(kSlot)) {
    progress.Set(db.DbfRecNo(kSlot));
    FillGridRow(db);
    db.DbfSkip(kSlot, 1);
  }
}

void TForm2::ApplyCodePage() {
  switch (cbCheckBox1->checkState()) {
    case Qt::Unchecked:
      StringGrid1->SetCodePage(ui::CodePage::Windows1251);
      break;
    case Qt::Checked:
      StringGrid1->SetCodePage(ui::CodePage::Dos866);
      break;
    case Qt::PartiallyChecked:
      StringGrid1->SetCodePage(ui::CodePage::SystemDefault);
      break;
  }
}

void TForm2::cbCheckBox1Click() { ApplyCodePage(); }

void TForm2::N4Click() {
  if (!GridShown()) return;
  ui::FontRequest request;
  request.initial = StringGrid1->font();
  request.minSize = 2;
  request.maxSize = 26;
  request.presetSize = 8;
  if (const auto font = links_.dialogs.ChooseFont(request)) StringGrid1->setFont(*font);
}

void TForm2::ToolButton9Click() { N4Click(); }
