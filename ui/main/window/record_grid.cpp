// The record grid: loading a table into StringGrid1, the texts that name it
// and count its rows, the code-page switch, the grid font and the column
// widths kept for each table.
#include "main_window.h"

#include "code_page.h"
#include "file_name.h"
#include "qt_translations.h"
#include "remembered_settings.h"
#include "table_command_steps.h"

#include <QCheckBox>
#include <QLabel>

namespace {

// The record count as loading shows it: "N строк", and the header's count
// beside it when that disagrees (the header is not corrected: viewing writes
// nothing).
QString LoadedCountText(const OpenTable::Counts& counts) {
  QString text = ui::Tr("TForm2", "%1 строк").arg(counts.records);
  if (counts.stored != counts.records) text += ui::Tr("TForm2", " (в заголовке файла: %1)").arg(counts.stored);
  return text;
}

}  // namespace

// The path strip and the title name the table; the status text counts its
// records when a command changed it; the note beside the path tells why memo
// texts cannot be shown.
void TForm2::ShowTableChanges() {
  connect(table_.get(), &OpenTable::PathShown, this, [this](const QString& path) {
    StaticText2->setText(path);
    ShowTitle();
  });
  connect(table_.get(), &OpenTable::RecordsLoaded, StaticText1,
          [this](const OpenTable::Counts& counts) { StaticText1->setText(LoadedCountText(counts)); });
  connect(table_.get(), &OpenTable::RecordsCounted, StaticText1,
          [this](qint64 count) { StaticText1->setText(RecordCountText(count)); });
  connect(table_.get(), &OpenTable::MemoNoteChanged, MemoNote, &QLabel::setText);
}

void TForm2::LoadGrid() {
  if (TrimBlanks(table_->TablePath()).empty()) return;
  const auto counts = table_->Load();
  if (!counts) {
    RefuseUnopenedTable();
    return;
  }
  StaticText1->setText(LoadedCountText(*counts));
  // The switch shows the code page the user chose for this table before,
  // else the one the table was found to be in; where nothing was found it
  // stays as it was.
  std::optional<ui::CodePage> chosen = settings_->PageOf(table_->TablePath());
  // Only a table's own code page is remembered (older runs kept the system's).
  if (chosen == ui::CodePage::SystemDefault) chosen.reset();
  if (const auto shown = chosen ? chosen : table_->FoundPage()) {
    const ui::CodePage page = *shown;
    cbCheckBox1->setCheckState(page == ui::CodePage::SystemDefault ? Qt::PartiallyChecked
                               : ui::IsDosPage(page)               ? Qt::Checked
                                                                   : Qt::Unchecked);
  }
  ApplyCodePage();
  if (chosen) table_->SetPage(*chosen);
  const std::vector<int> widths =
      settings_->ColumnWidthsOf(table_->TablePath(), static_cast<size_t>(StringGrid1->ColCount()));
  for (size_t col = 0; col < widths.size(); ++col) StringGrid1->SetColWidth(static_cast<int>(col), widths[col]);
}

void TForm2::RememberColumnWidths() {
  if (!table_->Rows()) return;
  std::vector<int> widths;
  for (int col = 0; col < StringGrid1->ColCount(); ++col) widths.push_back(StringGrid1->ColWidth(col));
  settings_->SetColumnWidthsOf(table_->TablePath(), widths);
}

// Checked draws the DOS code page, unchecked the Windows one: the table's
// own where it was found to be in one of that kind, else the Russian one.
void TForm2::ApplyCodePage() {
  const std::optional<ui::CodePage> found = table_->FoundPage();
  switch (cbCheckBox1->checkState()) {
    case Qt::Unchecked:
      table_->SetPage(found && !ui::IsDosPage(*found) && *found != ui::CodePage::SystemDefault
                          ? *found
                          : ui::CodePage::Windows1251);
      break;
    case Qt::Checked:
      table_->SetPage(found && ui::IsDosPage(*found) ? *found : ui::CodePage::Dos866);
      break;
    case Qt::PartiallyChecked:
      table_->SetPage(ui::CodePage::SystemDefault);
      break;
  }
}

// The greyed state draws in the system's code page, which is never a
// table's own: it is not remembered.
void TForm2::cbCheckBox1Click() {
  ApplyCodePage();
  if (table_->Rows() && table_->Page() != ui::CodePage::SystemDefault) {
    settings_->SetPageOf(table_->TablePath(), table_->Page());
  }
}

void TForm2::N4Click() {
  if (!GridShown()) return;
  ui::FontRequest request;
  request.initial = StringGrid1->font();
  request.minSize = RememberedSettings::kSmallestFont;
  request.maxSize = RememberedSettings::kLargestFont;
  request.presetSize = 8;
  if (const auto font = links_.dialogs.ChooseFont(request)) {
    StringGrid1->setFont(*font);
    settings_->SetGridFont(*font);
    table_->FitColumns();
  }
}

void TForm2::ToolButton9Click() { N4Click(); }
