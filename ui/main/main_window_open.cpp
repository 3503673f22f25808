// Opening files from the menu, the toolbar and the command line.
#include "main_window.h"

#include "dbf2_lib.h"
#include "file_name.h"
#include "radio_group.h"
#include "spreadsheet_hand_over.h"
#include "table_checks.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const char kMenuFilter[] = "Файлы *.dbf|*.dbf|Все файлы|*.*|Файлы EXCEL|*.xls|";
const char kToolbarFilter[] = "Файлы *.dbf|*.dbf|Все файлы|*.*|Файлы EXCEL|*.xls|Как текстовый файл|*.*|";
constexpr int kAsTextEntry = 4;
constexpr int kRawViewAsksForFile = 1;
constexpr int kRawViewShowsFile = 2;

}  // namespace

void TForm2::Openfile1Click() {
  const auto choice = links_.dialogs.OpenFile(kMenuFilter);
  if (!choice || !FileExists(choice->path)) return;
  ShowTableControls();
  TablePath = choice->path;
  OpenChosenFile(false);
}

void TForm2::ToolButton1Click() {
  const auto choice = links_.dialogs.OpenFile(kToolbarFilter);
  if (!choice || !FileExists(choice->path)) return;
  TablePath = choice->path;
  if (choice->filterIndex == kAsTextEntry) {
    if (links_.openRawView) links_.openRawView(this, kRawViewShowsFile, TablePath);
    return;
  }
  ShowTableControls();
  OpenChosenFile(true);
}

void TForm2::OpenAtStart(const std::string& path) {
  if (!FileExists(path)) return;
  ShowTableControls();
  TablePath = path;
  OpenChosenFile(false);
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

void TForm2::OpenChosenFile(bool trimForExtension) {
  StaticText2->setText(QString::fromStdString(TablePath));
  const std::string extension = LowerExtension(trimForExtension ? TrimBlanks(TablePath) : TablePath);
  if (extension != ".dbf") {
    ShowSpreadsheet();
    return;
  }
  dbf::Dbf2_lib db;
  LoadGrid(db);
  db.DbfCloseAll();
}

void TForm2::HideTableControls() {
  Panel1->hide();
  Button2->hide();
  Button3->hide();
  GroupBox1->hide();
  RadioGroup1->hide();
  StringGrid1->hide();
}

// The engine would end the program at its first use of a slot that did not
// open (a read-only or locked file); the user is told instead, and the window
// returns to having no table, so that no command works on the old rows under
// the new name.
void TForm2::RefuseUnopenedTable() {
  links_.dialogs.Message(CannotOpenMessage(TablePath));
  HideTableControls();
  StringGrid1->Clear();
  TablePath.clear();
  StaticText2->clear();
  RowsFile.reset();
}

// Files that are not tables go to the spreadsheet program.
void TForm2::ShowSpreadsheet() {
  office::SpreadsheetLinks links{links_.dialogs, *office_, [this] { HideTableControls(); }};
  office::ShowSpreadsheet(TablePath, links);
}

void TForm2::N17Click() {
  office::SpreadsheetLinks links{links_.dialogs, *office_, [this] { HideTableControls(); }};
  office::CopyToExcel(TablePath, links);
  if (TablePath.empty()) StaticText2->clear();
}
