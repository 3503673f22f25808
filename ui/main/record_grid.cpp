// The record grid: loading a table into StringGrid1, refilling it after a
// command changed the file, the row-count text, the code-page switch and the
// grid font.
#include "main_window.h"

#include "code_page.h"
#include "file_name.h"

#include <QCheckBox>
#include <QLabel>

void TForm2::LoadGrid() {
  if (TrimBlanks(table_->TablePath).empty()) return;
  const auto counts = table_->Load();
  if (!counts) {
    RefuseUnopenedTable();
    return;
  }
  table_->ShowLoadedCounts(*counts);
  ApplyCodePage();
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
