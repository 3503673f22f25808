#include "table_command_steps.h"

#include "code_page.h"
#include "dbf2_lib.h"
#include "dbf_file.h"
#include "dbf_header.h"
#include "dbf_names.h"
#include "int_text.h"
#include "progress.h"
#include "qt_translations.h"
#include "safe_write.h"
#include "table_file_messages.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <vector>


void OpenTableOrFail(dbf::Dbf2_lib& db, uint16_t slot, const std::string& path, TableAccess access) {
  errno = 0;
  if (access == TableAccess::Read) {
    db.DbfOpenForReading(slot, path);
  } else {
    db.DbfOpen(slot, path);
  }
  if (db.DbfIsOpen(slot)) return;
  throw std::runtime_error(access == TableAccess::Read ? CannotReadMessage(path) : CannotOpenMessage(path));
}

void OpenBytesOrFail(dbf::TableFile& file, const std::string& path, TableAccess access) {
  if (access == TableAccess::Read ? file.OpenForReading(path) : file.Open(path)) return;
  throw std::runtime_error(access == TableAccess::Read ? CannotReadMessage(path) : CannotOpenMessage(path));
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

void PurgeTable(ui::FileServices& files, dbf::Dbf2_lib& db, uint16_t slot, const std::string& path,
                const std::function<bool(int64_t recNo, char flag)>& keep, ui::Progress& progress, size_t phase) {
  progress.Phase(phase, 1);
  db.DbfOnStep(progress.Steps());
  ui::ReplaceFileContents(files, path, {[&](const std::string& file) { db.DbfPackInto(slot, file, keep); }});
  db.DbfOnStep({});
}

void WriteEmptiedTable(dbf::FileSystem& files, const std::string& path, const std::string& file) {
  dbf::TableFile from;
  if (!from.OpenForReading(path)) throw dbf::IoError(errno, "open " + path);
  const int64_t size = from.Size();
  dbf::HeaderInfo header;
  std::vector<char> bytes;
  if (dbf::ReadHeader(from, size, header)) {
    bytes.resize(static_cast<size_t>(std::min<int64_t>(size, header.headerSize + 1)));
    from.ReadAt(0, bytes.data(), bytes.size());
  }
  {
    dbf::TableFile to(files);
    to.Create(file);
    to.WriteAt(0, bytes.data(), bytes.size());
  }
  dbf::Dbf2_lib db(files);
  db.DbfOpen(1, file);
  db.DbfZap(1);
  db.DbfCloseAll();
}
