#include "companion_files.h"

#include "dbf_companions.h"
#include "dbf_errors.h"
#include "dbf_file.h"
#include "dbf_memo.h"
#include "dbf_table.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "file_name.h"
#include "safe_write.h"
#include "write_all.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>

void CopyMemoFile(ui::FileServices& files, const std::string& table, const std::string& copy) {
  const std::string memo = dbf::FindMemoFile(table);
  if (memo.empty()) return;
  const std::string target = dbf::MemoPathForCopy(copy, memo);
  if (dbf::TableFile::SameFile(memo, target)) return;
  const auto write = [&files, &memo](const std::string& file) {
    const ui::OwnedFd from(::open(memo.c_str(), O_RDONLY | O_CLOEXEC));
    if (from.get() < 0) throw std::system_error(errno, std::generic_category(), memo);
    ui::OwnedFd to(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (to.get() < 0) throw std::system_error(errno, std::generic_category(), file);
    ui::CopyAll(files.Files(), from.get(), to.get(), file);
    to.Close(file);
  };
  if (FileExists(target)) {
    ui::ReplaceFileContents(files, target, {write});
  } else {
    ui::WriteNewFile(files, target, write);
  }
}

void IndexNotice::BeforeChange(const std::string& path) {
  if (told_.contains(path) || !dbf::OpensAsTable(path)) return;
  told_.insert(path);
  const std::vector<std::string> indexes = dbf::IndexFilesOf(path);
  if (indexes.empty()) return;
  std::string names;
  for (const std::string& index : indexes) names += "\r\n" + index;
  const bool goOn = dialogs_.Ask(
      dbf::Tr("IndexNotice", "Индексные файлы"),
      dbf::FillText(dbf::Tr("IndexNotice", "У файла %1 есть индекс:%2\r\n"
                                           "После изменения таблицы индекс нужно перестроить программой, "
                                           "которая его ведёт; эта программа индекс не изменяет.\r\n"
                                           "Изменить таблицу?"),
                    {path, names}));
  if (!goOn) {
    told_.erase(path);  // asked again at the next change
    throw dbf::Stopped{};
  }
}
