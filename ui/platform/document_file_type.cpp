#include "document_file_type.h"

#include <QMimeDatabase>

#include <algorithm>
#include <filesystem>
#include <initializer_list>

namespace ui {

namespace {

// Spreadsheets, plain text and documents, by their canonical names.
constexpr std::initializer_list<const char*> kDocumentTypes = {
    "text/csv",
    "text/tab-separated-values",
    "application/vnd.ms-excel",
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
    "application/vnd.oasis.opendocument.spreadsheet",
    "text/plain",
    "application/msword",
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document",
    "application/vnd.oasis.opendocument.text",
    "application/rtf",
    "application/pdf",
};

// Content that runs when started, whatever the file's name claims.
constexpr std::initializer_list<const char*> kRunnableTypes = {
    "application/x-executable",  "application/x-sharedlib",         "application/x-shellscript",
    "application/x-desktop",     "application/x-ms-dos-executable", "application/x-java-archive",
};

bool IsOneOf(const QMimeType& type, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* name) { return type.name() == QLatin1String(name); });
}

bool InheritsOneOf(const QMimeType& type, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* name) { return type.inherits(QLatin1String(name)); });
}

}  // namespace

bool IsDocumentFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const QString name = QString::fromStdString(path);
  const QMimeDatabase db;
  // The name decides when it names one type; a script or program given a
  // document's name is still refused by its content.
  return IsOneOf(db.mimeTypeForFile(name), kDocumentTypes) &&
         !InheritsOneOf(db.mimeTypeForFile(name, QMimeDatabase::MatchContent), kRunnableTypes);
}

}  // namespace ui
