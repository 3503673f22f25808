#include "spreadsheet_hand_over.h"

#include "dbf_texts.h"
#include "dialog_service.h"
#include "file_name.h"
#include "int_text.h"
#include "office_session.h"
#include "page_text.h"


namespace office {

namespace {

constexpr char kSpreadsheetFilter[] = DBF_TR_NOOP("SpreadsheetHandOver", "Файлы EXCEL|*.xls|Все файлы|*.*|");

bool IsXls(const std::string& path) { return LowerExtension(std::string(ui::Trim(path))) == ".xls"; }

void Show(ExcelReferences& set, const std::string& path, SpreadsheetLinks& links) {
  // The workbook is a copy of the file, so no table text is read. A file
  // refused leaves the grid shown.
  set.Open(links.session.servers, TextPage::Of(ui::CodePage::Windows1251), path);
  links.hideTableControls();
  set.Show();
}

}  // namespace

void ShowSpreadsheet(const std::string& tablePath, SpreadsheetLinks& links) {
  links.session.secondSpreadsheet.clear();
  Show(links.session.exportSet, tablePath, links);
}

void CopyToExcel(const std::string& tablePath, SpreadsheetLinks& links) {
  if (!IsXls(tablePath)) {
    links.dialogs.Message(dbf::Tr("SpreadsheetHandOver", "Откройте копируемый (исходный) файл EXCEL !"));
    return;
  }
  links.session.secondSpreadsheet.clear();
  const auto choice = links.dialogs.OpenFile(dbf::Tr("SpreadsheetHandOver", kSpreadsheetFilter));
  if (!choice || choice->path.empty() || !FileExists(choice->path)) return;
  links.session.secondSpreadsheet = choice->path;
  if (IsXls(choice->path)) Show(links.session.secondSet, choice->path, links);
}

}  // namespace office
