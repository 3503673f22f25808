#include "table_file_messages.h"

#include "dbf_texts.h"
#include "regular_file.h"

#include <cerrno>
#include <cstring>

namespace {

std::string Reason() { return errno != 0 ? std::string(": ") + std::strerror(errno) : std::string(); }

}  // namespace

std::string CannotOpenMessage(const std::string& path) {
  if (ui::IsOtherThanRegularFile(path)) return ui::NotRegularFileText(path);
  return dbf::FillText(dbf::Tr("TableChecks", "Файл %1 не удается открыть для чтения и записи%2"), {path, Reason()});
}

std::string CannotReadMessage(const std::string& path) {
  if (ui::IsOtherThanRegularFile(path)) return ui::NotRegularFileText(path);
  return dbf::FillText(dbf::Tr("TableChecks", "Файл %1 не удается открыть для чтения%2"), {path, Reason()});
}
