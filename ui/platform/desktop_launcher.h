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

// Uses the desktop's default application (QDesktopServices). Files the
// desktop could start as programs (an execute bit, a desktop entry) are never
// handed over: they are refused as files without a program to show them.
class DesktopLauncher : public FileLauncher {
 public:
  bool Open(const std::string& path) override;
};

}  // namespace ui
