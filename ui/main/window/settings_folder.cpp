#include "settings_folder.h"

#include "dbf_texts.h"
#include "own_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cstdlib>

std::string GuardSettingsFolder() {
  const QString folder = QFileInfo(QSettings().fileName()).absolutePath();
  try {
    ui::PrepareOwnFolder(folder.toStdString());
    return {};
  } catch (const ui::OwnFolderError& e) {
    std::string fresh = (QDir::tempPath() + QStringLiteral("/dbfview-settings-XXXXXX")).toStdString();
    if (::mkdtemp(fresh.data()) == nullptr) fresh = "/nonexistent";  // unwritable: nothing is kept
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(fresh));
    return dbf::FillText(dbf::Tr("SettingsFolder", "Настройки в этот раз не читаются и не сохраняются: %1"),
                         {e.what()});
  }
}
