// Opening files from the menu, the toolbar and the command line.
#include "main_window.h"

#include "dbf2_lib.h"
#include "dbf_texts.h"
#include "file_name.h"
#include "hand_over.h"
#include "radio_group.h"
#include "spreadsheet_hand_over.h"
#include "table_file_messages.h"
#include "unsaved_edits.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

const char kMenuFilter[] = DBF_TR_NOOP("TForm2", "Файлы *.dbf|*.dbf|Все файлы|*.*|Файлы EXCEL|*.xls|");
const char kToolbarFilter[] =
    DBF_TR_NOOP("TForm2", "Файлы *.dbf|*.dbf|Все файлы|*.*|Файлы EXCEL|*.xls|Как текстовый файл|*.*|");
constexpr int kAsTextEntry = 4;
constexpr int kRawViewAsksForFile = 1;
constexpr int kRawViewShowsFile = 2;

}  // namespace

void TForm2::Openfile1Click() {
  const auto choice = links_.dialogs.OpenFile(dbf::Tr("TForm2", kMenuFilter));
  if (!choice || !FileExists(choice->path)) return;
  OpenChosenFile(choice->path, false);
}

void TForm2::ToolButton1Click() {
  const auto choice = links_.dialogs.OpenFile(dbf::Tr("TForm2", kToolbarFilter));
  if (!choice || !FileExists(choice->path)) return;
  if (choice->filterIndex == kAsTextEntry) {
    table_->PointAtUnshown(choice->path);
    if (links_.openRawView) links_.openRawView(this, kRawViewShowsFile, choice->path);
    return;
  }
  OpenChosenFile(choice->path, true);
}

void TForm2::OpenAtStart(const std::string& path) {
  if (!FileExists(path)) return;
  OpenChosenFile(path, false);
}

void TForm2::Openfileastext1Click() {
  if (links_.openRawView) links_.openRawView(this, kRawViewAsksForFile, std::string());
}

void TForm2::ShowTableControls() {
  Panel1->show();
  Button2->show();
  Button3->show();
  GroupBox1->show();
  RadioGroup1->show();
  StringGrid1->show();
  RadioGroup1->SetItemIndex(0);
}

void TForm2::OpenChosenFile(const std::string& path, bool trimForExtension) {
  if (!unsavedEdits_->Settled()) return;
  const std::string previous = table_->TablePath();
  const bool shown = GridShown();
  ShowTableControls();
  table_->PointAt(path);
  const std::string extension = LowerExtension(trimForExtension ? TrimBlanks(path) : path);
  try {
    // A table under another name (or none) opens as a table; other files go
    // to the spreadsheet program.
    if (extension != ".dbf" && (office::HoldsWhatItsNameSays(path) || !dbf::OpensAsTable(path))) {
      ShowSpreadsheet();
      return;
    }
    LoadGrid();
    RememberOpenedTable();
    ShowTitle();
  } catch (...) {
    // A file that is no table, or could not be read whole, or that the
    // spreadsheet program refused, leaves the window showing what it showed.
    table_->PointAt(previous);
    if (!shown) HideTableControls();
    throw;
  }
}

void TForm2::HideTableControls() {
  Panel1->hide();
  Button2->hide();
  Button3->hide();
  GroupBox1->hide();
  RadioGroup1->hide();
  StringGrid1->hide();
}

// A file that cannot be read: the user is told why, and the window returns
// to having no table, so that no command works on the old rows under the
// new name.
void TForm2::RefuseUnopenedTable() {
  links_.dialogs.Message(CannotReadMessage(table_->TablePath()));
  HideTableControls();
  table_->Forget();
}

// Files that are not tables go to the spreadsheet program.
void TForm2::ShowSpreadsheet() {
  office::SpreadsheetLinks links{links_.dialogs, *office_, [this] { HideTableControls(); }};
  office::ShowSpreadsheet(table_->TablePath(), links);
}

void TForm2::N17Click() {
  office::SpreadsheetLinks links{links_.dialogs, *office_, [this] { HideTableControls(); }};
  office::CopyToExcel(table_->TablePath(), links);
}
