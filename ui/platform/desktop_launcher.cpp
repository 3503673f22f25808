#include "desktop_launcher.h"

#include <QDesktopServices>
#include <QUrl>

#include <filesystem>

namespace ui {

namespace {

// Files the desktop might start as programs rather than show: anything with
// an execute bit, and desktop entries, which name a command to run.
bool MayRunAsProgram(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::perms p = fs::status(path, ec).permissions();
  if (ec) return true;
  const fs::perms exec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  return (p & exec) != fs::perms::none || fs::path(path).extension() == ".desktop";
}

}  // namespace

bool DesktopLauncher::Open(const std::string& path) {
  if (MayRunAsProgram(path)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace ui
