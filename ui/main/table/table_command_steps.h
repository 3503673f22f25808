// Steps the main window's table commands share: opening a slot so that a file
// the engine cannot open is reported instead of ending the program, finding a
// field by the name a person typed, and the row-count text shown after a
// command has changed the table, the purge every deletion command ends in and
// the emptied table Save and "Очистить весь файл" start from.
#pragma once

#include "dialog_service.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

namespace dbf {
class Dbf2_lib;
class TableFile;
struct FieldNode;
}  // namespace dbf
namespace dbf {
class FileSystem;
}
namespace ui {
class FileServices;
class Progress;
}

// Whether a command only reads a table or also writes it.
enum class TableAccess { Read, Write };

// Opens the file in the slot, for reading only or for reading and writing;
// when it cannot be opened so (gone, read-only, not a regular file) the
// command fails with why, naming the file. A table opened for reading is
// left as it was when the slot closes.
void OpenTableOrFail(dbf::Dbf2_lib& db, uint16_t slot, const std::string& path,
                     TableAccess access = TableAccess::Write);
// The same for a table handled as bytes, past the engine (its header read or
// written as it stands, for the panels that list or mend it).
void OpenBytesOrFail(dbf::TableFile& file, const std::string& path, TableAccess access);

// The first field of the slot whose name (up to its first zero byte) equals
// the typed text trimmed and in capitals; nothing when none does.
const dbf::FieldNode* FieldByTypedName(const dbf::Dbf2_lib& db, uint16_t slot, const QString& typed);

// The record count right-aligned in 7 characters and " записей.".
QString RecordCountText(int64_t count);

// Purges the table open for reading in the slot, whose file is `path`: a new
// file holding the records `keep` keeps (dbf::Dbf2_lib::DbfPackInto) takes
// the table's place once complete, so a stop, a failure or a kill part way
// leaves the table as it was. The bar's phase `phase` shows the purge's steps.
// The new file is written through `files`, on whose file system `db` is.
void PurgeTable(ui::FileServices& files, dbf::Dbf2_lib& db, uint16_t slot, const std::string& path,
                const std::function<bool(int64_t recNo, char flag)>& keep, ui::Progress& progress, size_t phase);

// Writes into `file` the table at `path` with every record removed: its
// header and field descriptors as emptying the table itself would leave them.
// Writes through `files`.
void WriteEmptiedTable(dbf::FileSystem& files, const std::string& path, const std::string& file);
