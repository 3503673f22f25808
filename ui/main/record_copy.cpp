#include "record_copy.h"

#include "dbf2_lib.h"
#include "file_name.h"
#include "int_text.h"
#include "main_window.h"
#include "progress.h"
#include "table_command_steps.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <optional>

namespace {

constexpr uint16_t kTable = 1;
constexpr uint16_t kOther = 2;
constexpr size_t kTargetLimit = 250;

// A record number typed in an edit box: 0 when the box is empty; nothing,
// after the person has seen the conversion error, when it is not a number.
std::optional<int64_t> TypedRecordNumber(const QLineEdit& edit, ui::DialogService& dialogs) {
  const std::string text = edit.text().toStdString();
  const std::string_view trimmed = ui::Trim(text);
  if (trimmed.empty()) return 0;
  const auto number = ui::StrToInt(trimmed);
  if (!number) dialogs.Message(ui::ConversionErrorText(trimmed));
  return number;
}

// The copy target: the table's folder (up to its last "/") and the name typed.
std::string TargetInTableFolder(const std::string& tablePath, const std::string& name) {
  const size_t slash = tablePath.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : tablePath.substr(0, slash + 1);
  return (folder + name).substr(0, kTargetLimit);
}

}  // namespace

TRecordCopy::TRecordCopy(TForm2& form) : form_(form) {
  form.Hook(form.Button2, [this] { Button2Click(); });
  form.Hook(form.N13, [this] { N13Click(); });
}

void TRecordCopy::Button2Click() {
  if (!form_.PathGiven()) return;
  ui::DialogService& dialogs = form_.Dialogs();
  const std::string name = TrimBlanks(form_.Edit1->text().toStdString());
  if (name.empty()) {
    // The folder alone would be taken for the target.
    dialogs.Message("Копирование не выполнено!\r\nНет имени файла для копии.");
    return;
  }
  const auto typedFirst = TypedRecordNumber(*form_.Edit3, dialogs);
  if (!typedFirst) return;
  const auto typedLast = TypedRecordNumber(*form_.Edit2, dialogs);
  if (!typedLast) return;

  const std::string target = TargetInTableFolder(form_.Table().TablePath, name);
  dbf::Dbf2_lib db;
  db.DbfAssign(kTable, form_.Table().TablePath);
  db.DbfAssign(kOther, target);
  if (!FileExists(target)) db.DbfCopyStructure(kTable, kOther);
  if (!OpenTableOrTell(db, kTable, form_.Table().TablePath, dialogs)) return;
  // Only the records present now: a target that is the table itself grows
  // while it is copied.
  const int64_t count = db.DbfRecCount(kTable);
  if (count == 0) {
    db.DbfCloseAll();
    dialogs.Message("Файл пуст!");
    return;
  }
  if (!OpenTableOrTell(db, kOther, target, dialogs)) return;
  const int64_t last = *typedLast < 1 ? count : std::min(*typedLast, count);
  const int64_t first = std::max<int64_t>(*typedFirst, 1);
  {
    ui::Progress progress(form_.ProgressBar1, count);
    for (int64_t n = first; n <= last; ++n) {
      db.DbfGo(kTable, n);
      progress.Set(n);
      db.DbfBlank(kOther);
      db.DbfCopyFields(kTable, kOther);
      db.DbfAppend(kOther);
    }
  }
  db.DbfCloseAll();
  dialogs.Message("Копирование файла выполнено!");
}

void TRecordCopy::N13Click() {
  if (!form_.GridShown()) return;
  ui::DialogService& dialogs = form_.Dialogs();
  const auto choice = dialogs.OpenFile(ui::kTableFilter);
  if (!choice || !FileExists(choice->path)) {
    dialogs.Message("Отмена копирования !");
    return;
  }
  form_.Table().SecondPath = choice->path;
  if (!dialogs.Ask("Выполнить копирование?", "Копируемый файл : " + form_.Table().SecondPath)) return;
  if (!form_.PathGiven()) return;

  dbf::Dbf2_lib db;
  if (!OpenTableOrTell(db, kTable, form_.Table().TablePath, dialogs)) return;
  if (!OpenTableOrTell(db, kOther, form_.Table().SecondPath, dialogs)) return;
  // Only the records present now: the other table may be this one, which
  // grows with every record appended.
  const int64_t count = db.DbfRecCount(kOther);
  {
    ui::Progress progress(form_.ProgressBar1, count);
    db.DbfTop(kOther);
    for (int64_t done = 0; done < count && !db.DbfEof(kOther); ++done) {
      progress.Set(db.DbfRecNo(kOther));
      db.DbfBlank(kTable);
      db.DbfCopyFields(kOther, kTable);
      db.DbfAppend(kTable);
      db.DbfSkip(kOther, 1);
    }
  }
  db.DbfCloseAll();
  form_.RefillRows();
  dialogs.Message("Копирование выполнено!");
}
