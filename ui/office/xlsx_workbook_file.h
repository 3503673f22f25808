// Writes worksheets of spooled cells into an .xlsx workbook with
// libxlsxwriter in its constant-memory mode, which keeps one row in memory.
#pragma once

#include "dbf_file_system.h"

#include <string>
#include <vector>

namespace office {

class CellSpool;
class TextPage;

struct SheetToWrite {
  CellSpool* cells;
  // Width of each column in characters, from column 1; 0 keeps the default.
  std::vector<double> widths;
};

// Writes the workbook at `path`, the texts read in `page` with every byte
// carried (see TextPage::XlsxCellText); the writer's scratch files go to
// `scratchFolder`, and the workbook reaches `path` through `files`
// (ScratchOutput). Throws AutomationError with the system's text when the
// file cannot be written, leaving no partial file.
void WriteXlsxWorkbook(dbf::FileSystem& files, const std::string& path, const std::vector<SheetToWrite>& sheets,
                       const std::string& scratchFolder, const TextPage& page);

}  // namespace office
