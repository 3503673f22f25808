#include "column_commands.h"

#include "dbf2_lib.h"
#include "dbf_field_text.h"
#include "dbf_number.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "progress.h"
#include "record_store.h"
#include "string_grid.h"
#include "table_checks.h"
#include "table_command_steps.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr uint16_t kTable = 1;
// The records read at once to find the zeros.
constexpr int64_t kBlockBytes = int64_t{1} << 20;

std::string SumText(double sum, int decimals) {
  std::string text(static_cast<size_t>(std::snprintf(nullptr, 0, "%20.*f", decimals, sum)), ' ');
  std::snprintf(text.data(), text.size() + 1, "%20.*f", decimals, sum);
  return text;
}

}  // namespace

TColumnCommands::TColumnCommands(const TableContext& context, QLineEdit& edit4)
    : context_(context), Edit4(edit4) {
}

// Opens the table and finds the field named in Edit4. A field that is missing
// or not numeric is refused with its message: reading a number from any
// other field would end the program.
const dbf::FieldNode* TColumnCommands::OpenWithNumericField(dbf::Dbf2_lib& db, TableAccess access) {
  ui::DialogService& dialogs = context_.dialogs;
  OpenTableOrFail(db, kTable, context_.table.TablePath(), access);
  const dbf::FieldNode* field = FieldByTypedName(db, kTable, Edit4.text());
  if (!field) {
    dialogs.Message(dbf::Tr("TColumnCommands", "Ошибка в имени поля!"));
  } else if (field->type != 'N') {
    dialogs.Message(dbf::Tr("TColumnCommands", "Ошибка! Не числовое поле!"));
    field = nullptr;
  }
  return field;
}

// Every record in file order, those marked deleted too, with the progress bar.
void TColumnCommands::ForEveryRecord(dbf::Dbf2_lib& db, const std::function<void()>& visit) {
  ui::Progress progress(context_.progress, db.DbfRecCount(kTable));
  for (db.DbfTop(kTable); !db.DbfEof(kTable); db.DbfSkip(kTable, 1)) {
    progress.Set(db.DbfRecNo(kTable));
    visit();
  }
}

void TColumnCommands::Button4Click() {
  if (!context_.PathGiven()) return;
  dbf::Dbf2_lib db(context_.files.Files());
  const dbf::FieldNode* field = OpenWithNumericField(db, TableAccess::Read);
  if (!field) return;
  const std::string name = field->LookupName();
  double sum = 0;
  ForEveryRecord(db, [&] { sum += db.DbfGetNum(kTable, name); });
  db.DbfCloseAll();
  context_.dialogs.Message(dbf::FillText(dbf::Tr("TColumnCommands", "Сумма= %1"), {SumText(sum, field->decimals)}));
}

namespace {

// Marks in `zero` (indexed by record number) the records from `first` on,
// `count` whole records at `records`, whose field reads as zero, as
// DbfGetNum reads it.
void MarkZeros(const char* records, int64_t first, int64_t count, size_t length, const dbf::FieldNode& field,
               std::vector<bool>& zero) {
  std::string scratch;
  for (int64_t i = 0; i < count; ++i) {
    const char* record = records + static_cast<size_t>(i) * length;
    const double value = dbf::ParseFieldNumber(dbf::FieldText(record + 1, length - 1, field.offset, field.length, scratch));
    zero[static_cast<size_t>(first + i)] = value == 0;
  }
}

}  // namespace

// The records whose sum is zero are found by reading the records in blocks
// (or, when the rows are the table's records as read, in the rows); the
// purge also removes the records that were flagged before. Rows that are the
// table's records as read are purged alike instead of read again.
void TColumnCommands::Button5Click() {
  if (!context_.PathGiven() || !TableShownOrConfirmed(context_)) return;
  if (!UsableTable(context_.dialogs, context_.table.TablePath())) return;
  dbf::Dbf2_lib db(context_.files.Files());
  const dbf::FieldNode* field = OpenWithNumericField(db, TableAccess::Read);
  if (!field) return;
  {
    ui::Progress progress(context_.progress, {2, 2, 1});
    const int64_t count = db.DbfRecCount(kTable);
    const size_t length = db.DbfRecordLength(kTable);
    std::vector<bool> zero(static_cast<size_t>(count) + 1);
    const int64_t block = std::max<int64_t>(1, kBlockBytes / static_cast<int64_t>(std::max<size_t>(length, 1)));
    // Rows that are the table's records as read are looked at where they are.
    const bool rowsAreTable = context_.table.RowsAreTable();
    RecordStore* rows = rowsAreTable ? context_.table.Rows() : nullptr;
    const bool rowsHoldAll = rows && rows->RecordCount() == count && rows->RecordLength() == length;
    std::vector<char> records(rowsHoldAll ? 0 : static_cast<size_t>(std::min(block, std::max<int64_t>(count, 1))) * length);
    progress.Phase(0, count);
    for (int64_t first = 1; first <= count; first += block) {
      const int64_t n = std::min(block, count - first + 1);
      const char* read = rowsHoldAll ? rows->Records() + static_cast<size_t>(first - 1) * length : records.data();
      if (!rowsHoldAll) db.DbfReadRecords(kTable, first, n, records.data());
      MarkZeros(read, first, n, length, *field, zero);
      progress.Set(first + n - 1);
    }
    const auto keep = [&zero](int64_t record, char flag) {
      return flag == dbf::kFlagLive && !(static_cast<size_t>(record) < zero.size() && zero[static_cast<size_t>(record)]);
    };
    PurgeTable(context_.files, db, kTable, context_.table.TablePath(), keep, progress, 1);
    db.DbfCloseAll();
    progress.Phase(2, 1);
    if (rowsAreTable) {
      context_.table.Purged(keep, context_.files);
    } else {
      context_.table.Refill();
    }
  }
  context_.dialogs.Message(dbf::Tr("TColumnCommands", "Удаление строк с нулевыми суммами выполнено!"));
}
