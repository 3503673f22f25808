#include "record_copy.h"

#include "companion_files.h"
#include "dbf2_lib.h"
#include "dbf_memo.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "file_name.h"
#include "int_text.h"
#include "progress.h"
#include "safe_write.h"
#include "string_grid.h"
#include "table_checks.h"
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

// A new table has the table's fields and gets its memo file: each record's
// memo fields keep their block numbers as stored.
void KeepMemoBlocks(dbf::Dbf2_lib& db) {
  const std::vector<char>& from = db.DbfBuffer(kTable);
  std::vector<char> record = db.DbfBuffer(kOther);
  for (const dbf::FieldNode* f = db.DbfFields(kTable); f; f = f->next) {
    const size_t begin = f->offset - 1;
    if (!dbf::IsMemoField(f->type, f->length) || begin + f->length > std::min(from.size(), record.size())) continue;
    std::copy_n(from.begin() + static_cast<std::ptrdiff_t>(begin), f->length,
                record.begin() + static_cast<std::ptrdiff_t>(begin));
  }
  db.DbfSetBuffer(kOther, record.data());
}

}  // namespace

TRecordCopy::TRecordCopy(const TableContext& context, QLineEdit& edit1, QLineEdit& edit2, QLineEdit& edit3)
    : context_(context), Edit1(edit1), Edit2(edit2), Edit3(edit3) {
}

void TRecordCopy::Button2Click() {
  if (!context_.PathGiven()) return;
  ui::DialogService& dialogs = context_.dialogs;
  const std::string name = TrimBlanks(Edit1.text().toStdString());
  if (name.empty()) {
    // The folder alone would be taken for the target.
    dialogs.Message(dbf::Tr("TRecordCopy", "Копирование не выполнено!\r\nНет имени файла для копии."));
    return;
  }
  const auto typedFirst = TypedRecordNumber(Edit3, dialogs);
  if (!typedFirst) return;
  const auto typedLast = TypedRecordNumber(Edit2, dialogs);
  if (!typedLast) return;

  const std::string target = TargetInTableFolder(context_.table.TablePath(), WithTableExtension(name));
  bool copied = false;
  if (FileExists(target)) {
    // Records appended before a failure are cut off again.
    ui::KeepOnFailure(context_.files, target, ui::kWholeFile, [&] { copied = CopyRange(target, false, *typedFirst, *typedLast); });
  } else {
    // A target made here goes again when the copy fails; a new table gets
    // the memo file its records point into.
    ui::WriteNewFile(context_.files, target, [&](const std::string& file) { copied = CopyRange(file, true, *typedFirst, *typedLast); });
    if (copied) CopyMemoFile(context_.files, context_.table.TablePath(), target);
  }
  if (copied) dialogs.Message(dbf::Tr("TRecordCopy", "Копирование файла выполнено!"));
}

bool TRecordCopy::CopyRange(const std::string& target, bool create, int64_t typedFirst, int64_t typedLast) {
  ui::DialogService& dialogs = context_.dialogs;
  dbf::Dbf2_lib db(context_.files.Files());
  db.DbfAssign(kTable, context_.table.TablePath());
  db.DbfAssign(kOther, target);
  if (create) db.DbfCopyStructure(kTable, kOther);
  OpenTableOrFail(db, kTable, context_.table.TablePath(), TableAccess::Read);
  // Only the records present now: a target that is the table itself grows
  // while it is copied.
  const int64_t count = db.DbfRecCount(kTable);
  if (count == 0) {
    db.DbfCloseAll();
    dialogs.Message(dbf::Tr("TRecordCopy", "Файл пуст!"));
    return false;
  }
  OpenTableOrFail(db, kOther, target);
  const int64_t last = typedLast < 1 ? count : std::min(typedLast, count);
  const int64_t first = std::max<int64_t>(typedFirst, 1);
  {
    ui::Progress progress(context_.progress, last - first + 1);
    for (int64_t n = first; n <= last; ++n) {
      db.DbfGo(kTable, n);
      progress.Set(n - first + 1);
      db.DbfBlank(kOther);
      db.DbfCopyFields(kTable, kOther);
      if (create) KeepMemoBlocks(db);
      db.DbfAppend(kOther);
    }
  }
  db.DbfCloseAll();
  return true;
}

// Only the records present now: the other table may be this one, which
// grows with every record appended.
void TRecordCopy::AppendOther(dbf::Dbf2_lib& db, ui::Progress& progress) {
  const int64_t count = db.DbfRecCount(kOther);
  progress.Phase(0, count);
  db.DbfTop(kOther);
  for (int64_t done = 0; done < count && !db.DbfEof(kOther); ++done) {
    progress.Set(done + 1);
    db.DbfBlank(kTable);
    db.DbfCopyFields(kOther, kTable);
    db.DbfAppend(kTable);
    db.DbfSkip(kOther, 1);
  }
}

void TRecordCopy::N13Click() {
  if (!context_.GridShown()) return;
  ui::DialogService& dialogs = context_.dialogs;
  const auto choice = dialogs.OpenFile(ui::TableFilter());
  if (!choice || !FileExists(choice->path)) {
    dialogs.Message(dbf::Tr("TRecordCopy", "Отмена копирования !"));
    return;
  }
  const std::string other = choice->path;
  if (!dialogs.Ask(dbf::Tr("TRecordCopy", "Выполнить копирование?"),
                   dbf::FillText(dbf::Tr("TRecordCopy", "Копируемый файл : %1"), {other}))) {
    return;
  }
  if (!context_.PathGiven() || !TableShownOrConfirmed(context_)) return;

  {
    // Appending and refilling under one bar; until every record is in, a
    // stop (or failure) cuts the table back to what it was.
    ui::Progress progress(context_.progress, {3, 1});
    ui::KeepOnFailure(context_.files, context_.table.TablePath(), ui::kWholeFile, [&] {
      dbf::Dbf2_lib db(context_.files.Files());
      OpenTableOrFail(db, kTable, context_.table.TablePath());
      OpenTableOrFail(db, kOther, other, TableAccess::Read);
      try {
        AppendOther(db, progress);
      } catch (...) {
        db.DbfCloseAll();
        throw;
      }
      db.DbfCloseAll();
    });
    progress.Phase(1, 1);
    context_.table.Refill();
  }
  dialogs.Message(dbf::Tr("TRecordCopy", "Копирование выполнено!"));
}
