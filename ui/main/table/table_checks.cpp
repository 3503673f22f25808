#include "table_checks.h"

#include "dbf_file.h"
#include "dbf_header.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "table_context.h"
#include "table_file_messages.h"

#include <QString>

#include <cerrno>

bool UsableTable(ui::DialogService& dialogs, const std::string& path) {
  dbf::TableFile file;
  errno = 0;
  if (!file.Open(path)) {
    dialogs.Message(CannotOpenMessage(path));
    return false;
  }
  dbf::HeaderInfo header;
  if (!dbf::ReadHeader(file, file.Size(), header)) {
    dialogs.Message(dbf::FillText(dbf::Tr("TableChecks", "Файл %1 не является таблицей DBF"), {path}));
    return false;
  }
  return true;
}

bool TableShownOrConfirmed(const TableContext& context) {
  if (context.table.ShowsRowsOfTablePath()) return true;
  return context.dialogs.Ask(
      dbf::Tr("TableChecks", "Файл не показан"),
      dbf::FillText(dbf::Tr("TableChecks", "Команда изменит файл %1,\r\nстроки которого не показаны в таблице.\r\n"
                                           "Изменить этот файл?"),
                    {context.table.TablePath()}));
}

bool GridTableWritable(const TableContext& context) {
  return context.table.RowsFitTable(context.dialogs) && UsableTable(context.dialogs, context.table.TablePath());
}

bool SameTableFile(ui::DialogService& dialogs, const std::string& a, const std::string& b) {
  const bool same = QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0 ||
                    dbf::TableFile::SameFile(a, b);
  if (same) dialogs.Message(dbf::Tr("TableChecks", "Совпадение имен исходного и выходного файлов!"));
  return same;
}
