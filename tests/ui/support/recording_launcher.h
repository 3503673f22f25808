// A file launcher that records the files it is asked to open and can refuse them.
#pragma once

#include "desktop_launcher.h"

#include <string>
#include <vector>

class RecordingLauncher : public ui::FileLauncher {
 public:
  bool Open(const std::string& path) override {
    opened.push_back(path);
    return accepts;
  }
  std::vector<std::string> opened;
  bool accepts = true;
};
