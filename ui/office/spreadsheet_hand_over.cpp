#include "spreadsheet_hand_over.h"

#include "dialog_service.h"
#include "int_text.h"
#include "office_session.h"

#include <algorithm>
#include <filesystem>

namespace office {

namespace {

constexpr char kSpreadsheetFilter[] = "Файлы EXCEL|*.xls|Все файлы|*.*|";

bool IsXls(const std::string& path) {
  std::string extension = std::filesystem::path(std::string(ui::Trim(path))).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return extension == ".xls";
}

void Show(ExcelReferences& set, const std::string& path, SpreadsheetLinks& links) {
  links.hideTableControls();
  set.Open(links.session.servers, path);
  set.Show();
}

}  // namespace

void ShowSpreadsheet(const std::string& tablePath, SpreadsheetLinks& links) {
  links.session.secondSpreadsheet.clear();
  Show(links.session.exportSet, tablePath, links);
}

void CopyToExcel(std::string& tablePath, SpreadsheetLinks& links) {
  if (!IsXls(tablePath)) {
    links.dialogs.Message("Откройте копируемый (исходный) файл EXCEL !");
    tablePath.clear();
    links.hideTableControls();
    return;
  }
  links.session.secondSpreadsheet.clear();
  const auto choice = links.dialogs.OpenFile(kSpreadsheetFilter);
  std::error_code ec;
  if (!choice || choice->path.empty() || !std::filesystem::exists(choice->path, ec)) return;
  links.session.secondSpreadsheet = choice->path;
  if (IsXls(choice->path)) Show(links.session.secondSet, choice->path, links);
}

}  // namespace office
