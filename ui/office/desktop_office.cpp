#include "desktop_office.h"

#include "docx_word_basic.h"
#include "xlsx_spreadsheet.h"

namespace office {

std::shared_ptr<ExcelApplication> DesktopOffice::CreateExcelApplication() {
  return std::make_shared<XlsxSpreadsheet>(folder_, launcher_);
}

std::shared_ptr<WordBasic> DesktopOffice::CreateWordBasic() {
  return std::make_shared<DocxWordBasic>(folder_, launcher_);
}

}  // namespace office
