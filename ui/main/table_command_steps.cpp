#include "table_command_steps.h"

#include "code_page.h"
#include "dbf2_lib.h"
#include "dbf_names.h"
#include "int_text.h"
#include "qt_translations.h"
#include "table_checks.h"

#include <cerrno>


bool OpenTableOrTell(dbf::Dbf2_lib& db, uint16_t slot, const std::string& path, ui::DialogService& dialogs,
                     TableAccess access) {
  errno = 0;
  if (access == TableAccess::Read) {
    db.DbfOpenForReading(slot, path);
  } else {
    db.DbfOpen(slot, path);
  }
  if (db.DbfIsOpen(slot)) return true;
  dialogs.Message(access == TableAccess::Read ? CannotReadMessage(path) : CannotOpenMessage(path));
  return false;
}

const dbf::FieldNode* FieldByTypedName(const dbf::Dbf2_lib& db, uint16_t slot, const QString& typed) {
  const std::string wanted = dbf::UpperAnsi(dbf::TrimName(ui::EncodeTyped(typed)));
  for (const dbf::FieldNode* f = db.DbfFields(slot); f; f = f->next) {
    if (f->Name() == wanted) return f;
  }
  return nullptr;
}

QString RecordCountText(int64_t count) {
  return ui::Tr("TableCommandSteps", "%1 записей.").arg(QString::fromStdString(ui::RightAligned(count, 7)));
}
