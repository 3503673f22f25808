#include "desktop_launcher.h"

#include "document_file_type.h"

#include <QDesktopServices>
#include <QUrl>

namespace ui {

bool DesktopLauncher::Open(const std::string& path) {
  if (!IsDocumentFile(path)) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace ui
