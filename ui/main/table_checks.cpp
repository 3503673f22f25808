#include "table_checks.h"

#include "dbf_file.h"
#include "dbf_header.h"
#include "dialog_service.h"
#include "main_window.h"

#include <QString>

bool GridRowsFromTable(TForm2& form) {
  if (form.RowsFile && form.RowsFile == FileIdentity::Of(form.TablePath)) return true;
  const std::string rows = form.RowsFile ? "Строки таблицы загружены из файла " + form.RowsPath + ",\r\n"
                                         : std::string("Строки таблицы не загружены из файла,\r\n");
  form.Dialogs().Message(rows + "а текущий файл " + form.TablePath + ".\r\nКоманда не выполнена!");
  return false;
}

bool UsableTable(ui::DialogService& dialogs, const std::string& path) {
  dbf::TableFile file;
  if (!file.Open(path)) {
    dialogs.Message(CannotOpenMessage(path));
    return false;
  }
  dbf::HeaderInfo header;
  if (!dbf::ReadHeader(file, file.Size(), header)) {
    dialogs.Message("Файл " + path + " не является таблицей DBF");
    return false;
  }
  return true;
}

bool GridTableWritable(TForm2& form) {
  return GridRowsFromTable(form) && UsableTable(form.Dialogs(), form.TablePath);
}

bool SameTableFile(ui::DialogService& dialogs, const std::string& a, const std::string& b) {
  const bool same = QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0 ||
                    dbf::TableFile::SameFile(a, b);
  if (same) dialogs.Message("Совпадение имен исходного и выходного файлов!");
  return same;
}

std::string CannotOpenMessage(const std::string& path) {
  return "Файл " + path + " не удается открыть для чтения и записи";
}
