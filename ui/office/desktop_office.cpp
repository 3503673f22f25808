#include "desktop_office.h"

#include "docx_word_basic.h"
#include "xlsx_spreadsheet.h"

namespace office {

std::shared_ptr<ExcelApplication> DesktopOffice::CreateExcelApplication(const TextPage& page) {
  return std::make_shared<XlsxSpreadsheet>(folder_, launcher_, page, files_);
}

std::shared_ptr<WordBasic> DesktopOffice::CreateWordBasic(const TextPage& page) {
  return std::make_shared<DocxWordBasic>(folder_, launcher_, page, files_);
}

}  // namespace office
