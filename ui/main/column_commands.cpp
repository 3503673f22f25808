#include "column_commands.h"

#include "dbf2_lib.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "progress.h"
#include "string_grid.h"
#include "table_checks.h"
#include "table_command_steps.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <vector>

namespace {

constexpr uint16_t kTable = 1;

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
  OpenTableOrFail(db, kTable, context_.table.TablePath, access);
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
  dbf::Dbf2_lib db;
  const dbf::FieldNode* field = OpenWithNumericField(db, TableAccess::Read);
  if (!field) return;
  const std::string name = field->LookupName();
  double sum = 0;
  ForEveryRecord(db, [&] { sum += db.DbfGetNum(kTable, name); });
  db.DbfCloseAll();
  context_.dialogs.Message(dbf::FillText(dbf::Tr("TColumnCommands", "Сумма= %1"), {SumText(sum, field->decimals)}));
}

// The records whose sum is zero are found by reading; the purge also removes
// the records that were flagged before.
void TColumnCommands::Button5Click() {
  if (!context_.PathGiven() || !TableShownOrConfirmed(context_)) return;
  if (!UsableTable(context_.dialogs, context_.table.TablePath)) return;
  dbf::Dbf2_lib db;
  const dbf::FieldNode* field = OpenWithNumericField(db, TableAccess::Read);
  if (!field) return;
  const std::string name = field->LookupName();
  {
    ui::Progress progress(context_.progress, {2, 2, 1});
    std::vector<bool> zero(static_cast<size_t>(db.DbfRecCount(kTable)) + 1);
    ForEveryRecord(db, [&] { zero[static_cast<size_t>(db.DbfRecNo(kTable))] = db.DbfGetNum(kTable, name) == 0; });
    PurgeTable(
        db, kTable, context_.table.TablePath,
        [&zero](int64_t record, char flag) {
          return flag == dbf::kFlagLive && !(static_cast<size_t>(record) < zero.size() && zero[static_cast<size_t>(record)]);
        },
        progress, 1);
    db.DbfCloseAll();
    progress.Phase(2, 1);
    context_.table.Refill();
  }
  context_.dialogs.Message(dbf::Tr("TColumnCommands", "Удаление строк с нулевыми суммами выполнено!"));
}
