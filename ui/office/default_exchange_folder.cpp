#include "exchange_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace office {

std::string DefaultExchangeFolder() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (base.isEmpty()) base = QDir::tempPath() + QStringLiteral("/dbfview");
  return (base + QStringLiteral("/office")).toStdString();
}

}  // namespace office
