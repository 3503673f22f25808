// Hands a file to the program the desktop associates with it.
#pragma once

#include <string>

namespace ui {

class FileLauncher {
 public:
  virtual ~FileLauncher() = default;
  // False when no program could be started for the file.
  virtual bool Open(const std::string& path) = 0;
};

// Uses the desktop's default application (QDesktopServices). Only
// spreadsheets, texts and documents (IsDocumentFile) are handed over; any
// other file is refused as a file without a program to show it.
class DesktopLauncher : public FileLauncher {
 public:
  bool Open(const std::string& path) override;
};

}  // namespace ui
