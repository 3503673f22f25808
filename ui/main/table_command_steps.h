// Steps the main window's table commands share: opening a slot so that a file
// the engine cannot open is reported instead of ending the program, finding a
// field by the name a person typed, and the row-count text shown after a
// command has changed the table.
#pragma once

#include "dialog_service.h"

#include <QString>

#include <cstdint>
#include <string>

namespace dbf {
class Dbf2_lib;
struct FieldNode;
}  // namespace dbf

// Whether a command only reads a table or also writes it.
enum class TableAccess { Read, Write };

// Opens the file in the slot, for reading only or for reading and writing;
// false, after telling the person why, when it cannot be opened so (gone,
// read-only, not a regular file). A table opened for reading is left as it
// was when the slot closes.
bool OpenTableOrTell(dbf::Dbf2_lib& db, uint16_t slot, const std::string& path, ui::DialogService& dialogs,
                     TableAccess access = TableAccess::Write);

// The first field of the slot whose name (up to its first zero byte) equals
// the typed text trimmed and in capitals; nothing when none does.
const dbf::FieldNode* FieldByTypedName(const dbf::Dbf2_lib& db, uint16_t slot, const QString& typed);

// The record count right-aligned in 7 characters and " записей.".
QString RecordCountText(int64_t count);
