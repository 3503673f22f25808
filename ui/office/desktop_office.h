// The office servers of this platform: .xlsx workbooks and .docx documents
// written into the program's exchange folder, through the file system they
// are handed, and opened with the desktop's programs for them.
#pragma once

#include "dbf_file_system.h"
#include "office_automation.h"

#include <string>

namespace ui {
class FileLauncher;
}

namespace office {

class DesktopOffice : public OfficeAutomation {
 public:
  DesktopOffice(std::string folder, ui::FileLauncher& launcher, dbf::FileSystem& files)
      : folder_(std::move(folder)), launcher_(launcher), files_(files) {}

  std::shared_ptr<ExcelApplication> CreateExcelApplication(const TextPage& page) override;
  std::shared_ptr<WordBasic> CreateWordBasic(const TextPage& page) override;
  std::string ExchangeFolder() const override { return folder_; }

 private:
  std::string folder_;
  ui::FileLauncher& launcher_;
  dbf::FileSystem& files_;
};

}  // namespace office
