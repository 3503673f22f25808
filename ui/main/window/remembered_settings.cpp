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
constexpr char kWidthsKey[] = "tableColumnWidths";
// Column widths kept are taken within these bounds.
constexpr int kNarrowest = 1;
constexpr int kWidest = 4000;
// What a value read back may be at most: the settings file is the user's
// to edit, and a value no run of the program writes is dropped.
constexpr qsizetype kLongestPath = 4096;
constexpr qsizetype kLongestGeometry = 4096;
constexpr qsizetype kLongestValue = 16384;  // the widths of the most columns a table has

// What is kept for one table: its absolute path and a text.
struct PathValue {
  std::string path;
  QString value;
};

// Tables are known by their absolute path, however they were named.
std::string Absolute(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

// A kept path, or nothing when the value is no path the program keeps.
std::optional<std::string> PathOf(const QVariant& value) {
  const QByteArray bytes = value.toByteArray();
  if (bytes.isEmpty() || bytes.size() > kLongestPath || bytes.contains('\0')) return std::nullopt;
  return bytes.toStdString();
}

// The entries of an array to read: its size as kept, but never more than
// the program keeps.
int ArrayEntries(QSettings& settings, const char* key, size_t most) {
  return std::clamp(settings.beginReadArray(key), 0, static_cast<int>(most));
}

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

// The array `key` of per-table entries, each a path and a `name` value;
// entries out of bounds are dropped.
std::vector<PathValue> ReadPerTable(QSettings& settings, const char* key, const char* name) {
  std::vector<PathValue> entries;
  const int count = ArrayEntries(settings, key, RememberedSettings::kRememberedPages);
  for (int i = 0; i < count; ++i) {
    settings.setArrayIndex(i);
    const std::optional<std::string> path = PathOf(settings.value("path"));
    const QString value = settings.value(name).toString();
    if (path && !value.isEmpty() && value.size() <= kLongestValue) entries.push_back({*path, value});
  }
  settings.endArray();
  return entries;
}

std::optional<QString> ValueOf(const char* key, const char* name, const std::string& table) {
  const std::string path = Absolute(table);
  QSettings settings;
  for (const PathValue& entry : ReadPerTable(settings, key, name)) {
    if (entry.path == path) return entry.value;
  }
  return std::nullopt;
}

// Puts the table's entry first, keeping the latest `limit` entries.
void SetValueOf(const char* key, const char* name, const std::string& table, const QString& value,
                size_t limit) {
  const std::string path = Absolute(table);
  QSettings settings;
  std::vector<PathValue> entries = ReadPerTable(settings, key, name);
  std::erase_if(entries, [&](const PathValue& entry) { return entry.path == path; });
  entries.insert(entries.begin(), {path, value});
  if (entries.size() > limit) entries.resize(limit);
  settings.remove(key);
  settings.beginWriteArray(key, static_cast<int>(entries.size()));
  for (size_t i = 0; i < entries.size(); ++i) {
    settings.setArrayIndex(static_cast<int>(i));
    settings.setValue("path", Bytes(entries[i].path));
    settings.setValue(name, entries[i].value);
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
  const int count = ArrayEntries(settings, kRecentKey, kRecentTables);
  for (int i = 0; i < count; ++i) {
    settings.setArrayIndex(i);
    if (const std::optional<std::string> path = PathOf(settings.value("path"))) paths.push_back(*path);
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
  const std::optional<QString> key = ValueOf(kPagesKey, "page", table);
  return key ? PageOfKey(*key) : std::nullopt;
}

void RememberedSettings::SetPageOf(const std::string& table, ui::CodePage page) {
  SetValueOf(kPagesKey, "page", table, KeyOf(page), kRememberedPages);
}

std::vector<int> RememberedSettings::ColumnWidthsOf(const std::string& table, size_t columns) const {
  std::vector<int> widths;
  const QStringList kept = ValueOf(kWidthsKey, "widths", table).value_or(QString()).split(QLatin1Char(','));
  if (static_cast<size_t>(kept.size()) != columns) return {};
  for (const QString& text : kept) {
    bool number = false;
    const int width = text.toInt(&number);
    if (!number) return {};
    widths.push_back(std::clamp(width, kNarrowest, kWidest));
  }
  return widths;
}

void RememberedSettings::SetColumnWidthsOf(const std::string& table, const std::vector<int>& widths) {
  QStringList texts;
  for (const int width : widths) texts.push_back(QString::number(width));
  SetValueOf(kWidthsKey, "widths", table, texts.join(QLatin1Char(',')), kRememberedPages);
}

std::optional<QFont> RememberedSettings::GridFont() const {
  const QString kept = QSettings().value(kFontKey).toString();
  QFont font;
  if (kept.isEmpty() || kept.size() > kLongestPath || !font.fromString(kept)) return std::nullopt;
  if (font.pointSize() < kSmallestFont || font.pointSize() > kLargestFont) return std::nullopt;
  return font;
}

void RememberedSettings::SetGridFont(const QFont& font) { QSettings().setValue(kFontKey, font.toString()); }

QByteArray RememberedSettings::WindowGeometry() const {
  const QByteArray kept = QSettings().value(kGeometryKey).toByteArray();
  return kept.size() > kLongestGeometry ? QByteArray() : kept;
}

void RememberedSettings::SetWindowGeometry(const QByteArray& geometry) {
  QSettings().setValue(kGeometryKey, geometry);
}

void RememberedSettings::Clear() { QSettings().clear(); }
