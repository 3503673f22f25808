// The record grid: loading a table into StringGrid1, refilling it after a
// command changed the file, the row-count text, the code-page switch and the
// grid font.
#include "main_window.h"

#include "code_page.h"
#include "file_name.h"
#include "table_command_steps.h"

#include <QCheckBox>
#include <QLabel>

namespace {

// The record count with " строк"; when the header stores another count (a
// table cut short, or one whose writer did not update it), that count too.
// The header is not corrected: viewing writes nothing.
QString LoadedCountText(const OpenTable::Counts& counts) {
  QString text = QString::number(counts.records) + QString::fromUtf8(" строк");
  if (counts.stored != counts.records) {
    text += QString::fromUtf8(" (в заголовке файла: %1)").arg(counts.stored);
  }
  return text;
}

}  // namespace

void TForm2::LoadGrid() {
  if (TrimBlanks(table_->TablePath).empty()) return;
  const auto counts = table_->Load();
  if (!counts) {
    RefuseUnopenedTable();
    return;
  }
  StaticText1->setText(LoadedCountText(*counts));
  ApplyCodePage();
}

void TForm2::RefillRows() {
  const auto counts = table_->Load();
  if (!counts) {
    RefuseUnopenedTable();
    return;
  }
  StaticText1->setText(RecordCountText(counts->records));
}

void TForm2::TableStructureChanged() {
  if (!table_->RenameColumns()) LoadGrid();
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
