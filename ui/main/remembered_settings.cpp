#include "remembered_settings.h"

#include <QSettings>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

constexpr char kRecentKey[] = "recentTables";
constexpr char kPagesKey[] = "tablePages";
constexpr char kFontKey[] = "gridFont";
constexpr char kGeometryKey[] = "windowGeometry";

struct PathPage {
  std::string path;
  QString page;
};

// Tables are known by their absolute path, however they were named.
std::string Absolute(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

std::string Text(const QVariant& value) { return value.toByteArray().toStdString(); }

// Code pages by a name that does not depend on the locale.
QString KeyOf(ui::CodePage page) {
  if (page == ui::CodePage::SystemDefault) return QStringLiteral("system");
  return QString::fromStdString(ui::PageName(page));
}

std::optional<ui::CodePage> PageOfKey(const QString& key) {
  for (const ui::CodePage page :
       {ui::CodePage::Windows1251, ui::CodePage::Dos866, ui::CodePage::SystemDefault, ui::CodePage::Windows1250,
        ui::CodePage::Windows1252, ui::CodePage::Dos437, ui::CodePage::Dos850, ui::CodePage::Dos852}) {
    if (KeyOf(page) == key) return page;
  }
  return std::nullopt;
}

std::vector<PathPage> ReadPages(QSettings& settings) {
  std::vector<PathPage> pages;
  const int count = settings.beginReadArray(kPagesKey);
  for (int i = 0; i < count; ++i) {
    settings.setArrayIndex(i);
    pages.push_back({Text(settings.value("path")), settings.value("page").toString()});
  }
  settings.endArray();
  return pages;
}

void WritePages(QSettings& settings, const std::vector<PathPage>& pages) {
  settings.remove(kPagesKey);
  settings.beginWriteArray(kPagesKey, static_cast<int>(pages.size()));
  for (size_t i = 0; i < pages.size(); ++i) {
    settings.setArrayIndex(static_cast<int>(i));
    settings.setValue("path", Bytes(pages[i].path));
    settings.setValue("page", pages[i].page);
  }
  settings.endArray();
}

void WriteRecent(const std::vector<std::string>& paths) {
  QSettings settings;
  settings.remove(kRecentKey);
  settings.beginWriteArray(kRecentKey, static_cast<int>(paths.size()));
  for (size_t i = 0; i < paths.size(); ++i) {
    settings.setArrayIndex(static_cast<int>(i));
    settings.setValue("path", Bytes(paths[i]));
  }
  settings.endArray();
}

}  // namespace

std::vector<std::string> RememberedSettings::RecentTables() const {
  QSettings settings;
  std::vector<std::string> paths;
  const int count = settings.beginReadArray(kRecentKey);
  for (int i = 0; i < count && paths.size() < kRecentTables; ++i) {
    settings.setArrayIndex(i);
    paths.push_back(Text(settings.value("path")));
  }
  settings.endArray();
  return paths;
}

void RememberedSettings::AddRecentTable(const std::string& table) {
  const std::string path = Absolute(table);
  std::vector<std::string> paths = RecentTables();
  std::erase(paths, path);
  paths.insert(paths.begin(), path);
  if (paths.size() > kRecentTables) paths.resize(kRecentTables);
  WriteRecent(paths);
}

void RememberedSettings::RemoveRecentTable(const std::string& path) {
  std::vector<std::string> paths = RecentTables();
  std::erase(paths, path);
  WriteRecent(paths);
}

std::optional<ui::CodePage> RememberedSettings::PageOf(const std::string& table) const {
  const std::string path = Absolute(table);
  QSettings settings;
  for (const PathPage& entry : ReadPages(settings)) {
    if (entry.path == path) return PageOfKey(entry.page);
  }
  return std::nullopt;
}

void RememberedSettings::SetPageOf(const std::string& table, ui::CodePage page) {
  const std::string path = Absolute(table);
  QSettings settings;
  std::vector<PathPage> pages = ReadPages(settings);
  std::erase_if(pages, [&](const PathPage& entry) { return entry.path == path; });
  pages.insert(pages.begin(), {path, KeyOf(page)});
  if (pages.size() > kRememberedPages) pages.resize(kRememberedPages);
  WritePages(settings, pages);
}

std::optional<QFont> RememberedSettings::GridFont() const {
  const QString kept = QSettings().value(kFontKey).toString();
  QFont font;
  if (kept.isEmpty() || !font.fromString(kept)) return std::nullopt;
  return font;
}

void RememberedSettings::SetGridFont(const QFont& font) { QSettings().setValue(kFontKey, font.toString()); }

QByteArray RememberedSettings::WindowGeometry() const { return QSettings().value(kGeometryKey).toByteArray(); }

void RememberedSettings::SetWindowGeometry(const QByteArray& geometry) {
  QSettings().setValue(kGeometryKey, geometry);
}

void RememberedSettings::Clear() { QSettings().clear(); }
