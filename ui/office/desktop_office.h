// The office servers of this platform: .xlsx workbooks and .docx documents
// written into the program's exchange folder and opened with the desktop's
// programs for them.
#pragma once

#include "office_automation.h"

#include <string>

namespace ui {
class FileLauncher;
}

namespace office {

class DesktopOffice : public OfficeAutomation {
 public:
  DesktopOffice(std::string folder, ui::FileLauncher& launcher) : folder_(std::move(folder)), launcher_(launcher) {}

  std::shared_ptr<ExcelApplication> CreateExcelApplication(const TextPage& page) override;
  std::shared_ptr<WordBasic> CreateWordBasic(const TextPage& page) override;
  std::string ExchangeFolder() const override { return folder_; }

 private:
  std::string folder_;
  ui::FileLauncher& launcher_;
};

}  // namespace office
