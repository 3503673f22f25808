#include "desktop_launcher.h"

#include <QDesktopServices>
#include <QUrl>

namespace ui {

bool DesktopLauncher::Open(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace ui
