#include "open_table.h"

#include "code_page.h"
#include "code_page_detection.h"
#include "column_widths.h"
#include "dbf2_lib.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "file_services.h"
#include "memo_cells.h"
#include "memory_room.h"
#include "progress.h"
#include "qt_translations.h"
#include "record_store.h"
#include "string_grid.h"
#include "table_file_messages.h"
#include "typed_cell_check.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <memory>
#include <stdexcept>

namespace {

constexpr uint16_t kSlot = 1;
// Records are read in blocks of about this many bytes, the progress bar
// moving between blocks.
constexpr int64_t kReadBlock = 4 << 20;
const char kNotDone[] = DBF_TR_NOOP("OpenTable", "Команда не выполнена!");
const char kSaveAsHint[] = DBF_TR_NOOP("OpenTable", "Строки можно сохранить в новый файл командой \"Save as :\".\r\n");

// What the grid's vertical header takes a row: one 8-byte item, in a list
// that grows to twice the room.
constexpr uint64_t kGridRowBytes = 16;
// Records whose letters tell the table's code page.
constexpr int64_t kRecordsToTell = 100;
// The header byte that names the table's code page.
constexpr size_t kLanguageDriver = 29;

// The heading of column 0, which holds the record numbers and marks.
QString CornerTitle() { return ui::Tr("OpenTable", "№ п/п"); }

std::vector<char> HeaderBytes(const std::string& path, uint16_t headerSize) {
  dbf::TableFile file;
  if (!file.OpenForReading(path)) throw dbf::IoError(errno, "open " + path);
  std::vector<char> bytes(headerSize);
  file.ReadAt(0, bytes.data(), bytes.size());
  return bytes;
}

// The bytes past the last whole record (the end mark, a cut record).
std::vector<char> TailBytes(const std::string& path, int64_t from) {
  dbf::TableFile file;
  if (!file.OpenForReading(path)) throw dbf::IoError(errno, "open " + path);
  std::vector<char> bytes(static_cast<size_t>(std::max<int64_t>(0, file.Size() - from)));
  file.ReadAt(from, bytes.data(), bytes.size());
  return bytes;
}

// True when the file holds exactly `parts`, one after another.
bool FileHolds(const std::string& path, std::initializer_list<std::string_view> parts) {
  dbf::TableFile file;
  if (!file.OpenForReading(path)) return false;
  int64_t size = 0;
  for (const std::string_view part : parts) size += static_cast<int64_t>(part.size());
  if (file.Size() != size) return false;
  std::vector<char> block(kReadBlock);
  int64_t at = 0;
  for (std::string_view part : parts) {
    while (!part.empty()) {
      const size_t n = std::min(part.size(), block.size());
      if (file.ReadSome(at, block.data(), n) != n || std::memcmp(block.data(), part.data(), n) != 0) return false;
      part.remove_prefix(n);
      at += static_cast<int64_t>(n);
    }
  }
  return true;
}

}  // namespace

// Column 0, the record numbers and marks, is the rows' heading column; row 0,
// the field names, their heading row while there are records.
OpenTable::OpenTable(ui::StringGrid& grid, QProgressBar* progress) : grid_(grid), progress_(progress) {
  model_.SetFixed(0, 1);
  model_.lockedCell = [this](int, int col) { return Memos() && memos_->IsMemoColumn(col); };
  model_.shownCell = [this](int row, int col) { return memos_->Shown(*Rows(), row, col, page_); };
  model_.checkTyped = [this](int, int col, const std::string& bytes) -> std::optional<QString> {
    if (!rows_ || col < 1) return std::nullopt;
    return TypedCellRefusal(rows_->FieldAt(col), bytes);
  };
  grid_.ShowModel(model_);
}

// The grid may outlive the table: it goes back to a model of its own.
OpenTable::~OpenTable() { grid_.ShowOwnModel(); }

// A memo column shows the first line of a text, as wide as the widest
// character field.
void OpenTable::FitColumns() {
  std::vector<int> lengths;
  int col = 1;
  for (const FieldLayout& field : layout_.fields) {
    lengths.push_back(memos_ && memos_->IsMemoColumn(col++) ? kWidestColumn : field.length);
  }
  FitRecordColumns(grid_, lengths);
}

std::optional<OpenTable::Counts> OpenTable::Load(ui::Stop stop) {
  dbf::Dbf2_lib db;
  errno = 0;
  db.DbfOpenForReading(kSlot, path_);
  if (!db.DbfIsOpen(kSlot)) return std::nullopt;
  const int64_t count = db.DbfRecCount(kSlot);
  const uint32_t length = db.DbfRecordLength(kSlot);
  std::vector<std::string> header{std::string()};
  std::vector<RecordStore::Field> fields;
  std::vector<MemoCells::Field> memoFields;
  Layout layout{db.DbfHeaderSize(kSlot), length, {}};
  for (const dbf::FieldNode* f = db.DbfFields(kSlot); f; f = f->next) {
    header.push_back(f->Name());
    fields.push_back({f->offset, f->length, f->type, f->decimals});
    memoFields.push_back({f->type, f->offset, f->length});
    layout.fields.push_back({f->type, f->offset, f->length, f->decimals});
  }
  std::vector<char> headerBytes = HeaderBytes(path_, layout.headerSize);
  const uint64_t recordBytes = static_cast<uint64_t>(count) * length;
  RefuseTableBeyondMemory(path_, layout.headerSize + recordBytes,
                          recordBytes + static_cast<uint64_t>(count) * (RecordStore::kRowBytes + kGridRowBytes),
                          AvailableMemory());
  std::vector<char> tail = TailBytes(path_, layout.headerSize + count * length);
  auto store = std::make_unique<RecordStore>(std::move(header), std::move(fields), length, count);
  {
    ui::Progress progress(progress_, count, stop);
    const int64_t block = std::max<int64_t>(1, kReadBlock / length);
    for (int64_t first = 0; first < count; first += block) {
      const int64_t n = std::min(block, count - first);
      db.DbfReadRecords(kSlot, first + 1, n, store->Records() + first * length);
      store->TakeMarks(first, n);
      progress.Set(first + n);
    }
  }
  const Counts counts{count, db.DbfStoredCount(kSlot)};
  db.DbfCloseAll();
  std::optional<ui::CodePage> found;
  if (headerBytes.size() > kLanguageDriver) {
    found = ui::PageOfLanguageDriver(static_cast<uint8_t>(headerBytes[kLanguageDriver]));
  }
  if (!found) {
    found = ui::GuessRussianPage(
        std::string_view(store->Records(), static_cast<size_t>(std::min(count, kRecordsToTell) * length)));
  }

  auto memos = std::make_unique<MemoCells>(path_, static_cast<uint8_t>(headerBytes[0]), std::move(memoFields),
                                           [this](const std::string& note) {
                                             emit MemoNoteChanged(QString::fromStdString(note));
                                           });
  // Read again, the table keeps the column widths it is shown with.
  std::vector<int> widths;
  if (rows_ && rowsPath_ == path_ && layout_.fields.size() == layout.fields.size()) {
    for (int col = 0; col < grid_.ColCount(); ++col) widths.push_back(grid_.ColWidth(col));
  }
  ui::StringGrid::BatchUpdate batch(grid_);
  grid_.Clear();
  memos_ = std::move(memos);
  model_.ShowStore(*store);
  rows_ = std::move(store);
  model_.SetCornerTitle(CornerTitle());
  model_.SetFixed(count > 0 ? 1 : 0, 1);
  rowsPath_ = path_;
  StampRows();
  savedDigest_.reset();
  header_ = std::move(headerBytes);
  tail_ = std::move(tail);
  layout_ = std::move(layout);
  found_ = found;
  FitColumns();
  for (size_t col = 0; col < widths.size(); ++col) grid_.SetColWidth(static_cast<int>(col), widths[col]);
  return counts;
}

OpenTable::Counts OpenTable::LoadOrFail() {
  const std::optional<Counts> counts = Load(ui::Stop::Refused);
  if (!counts) throw std::runtime_error(CannotReadMessage(path_));
  return *counts;
}

void OpenTable::Refill() { emit RecordsCounted(LoadOrFail().records); }

void OpenTable::Purged(const std::function<bool(int64_t record, char flag)>& keep, const ui::FileServices& files) {
  RecordStore* rows = Rows();
  if (!rows || rowsPath_ != path_ || !rows->AsRead()) return Refill();
  {
    ui::StringGrid::BatchUpdate batch(grid_);
    rows->Purge(keep);
    model_.SetFixed(rows->RecordCount() > 0 ? 1 : 0, 1);
  }
  StampRows();
  header_ = HeaderBytes(path_, layout_.headerSize);
  // The file is what the purge wrote, its end as the purge made it: known by
  // the digest taken as it was written.
  savedDigest_ = files.DigestOf(path_);
  emit RecordsCounted(rows->RecordCount());
}

void OpenTable::StructureChanged() {
  if (!RenameColumns()) emit RecordsLoaded(LoadOrFail());
}

void OpenTable::PointAt(const std::string& path) {
  path_ = path;
  shownPath_ = path;
  emit PathShown(QString::fromStdString(path));
}

bool OpenTable::ShowsRowsOfTablePath() const {
  return rows_ && rowsFile_ && FileIdentity::Of(path_) == rowsFile_->identity;
}

void OpenTable::Forget() {
  grid_.SetStore(nullptr);
  rows_.reset();
  rowsPath_.clear();
  rowsFile_.reset();
  rowsHold_ = ui::OwnedFd();
  savedDigest_.reset();
  header_.clear();
  tail_.clear();
  layout_ = {};
  memos_.reset();
  emit MemoNoteChanged(QString());
  PointAt({});
}

bool OpenTable::RenameColumns() {
  const std::optional<FileIdentity> now = FileIdentity::Of(path_);
  if (!rows_ || !rowsFile_ || !now || rowsFile_->identity != *now) return false;
  dbf::Dbf2_lib db;
  db.DbfOpenForReading(kSlot, path_);
  if (!db.DbfIsOpen(kSlot) || LayoutOf(db) != layout_) return false;
  std::vector<std::string> header{std::string()};
  for (const dbf::FieldNode* f = db.DbfFields(kSlot); f; f = f->next) header.push_back(f->Name());
  header_ = HeaderBytes(path_, layout_.headerSize);
  db.DbfCloseAll();
  Rows()->SetHeader(std::move(header));
  grid_.StoreChanged();
  StampRows();
  // The header alone was rewritten: the records read still stand.
  if (savedDigest_) savedDigest_ = FileDigest::Of(rowsPath_);
  return true;
}

bool OpenTable::RowsAreTable() {
  const RecordStore* rows = Rows();
  if (!rows || rowsPath_ != path_ || !rows->AsRead() || !ShowsRowsOfTablePath()) return false;
  dbf::Dbf2_lib db;
  db.DbfOpenForReading(kSlot, path_);
  return db.DbfIsOpen(kSlot) && LayoutOf(db) == layout_ && FileAsRowsLeftIt();
}

void OpenTable::SetPage(ui::CodePage page) {
  page_ = page;
  grid_.SetCodePage(page);
}

bool OpenTable::RowsSavedTo(const std::string& path, const ui::FileServices& files) {
  rowsPath_ = path;
  StampRows();
  // The records read are no longer what the file holds.
  savedDigest_ = files.DigestOf(path);
  RecordStore* rows = Rows();
  if (!rows) return true;
  const bool edited = rows->HasEdits();
  rows->EditsSaved();
  return !edited || TakeSavedRecords(path);
}

bool OpenTable::TakeSavedRecords(const std::string& path) {
  RecordStore& rows = *Rows();
  dbf::Dbf2_lib db;
  db.DbfOpenForReading(kSlot, path);
  if (!db.DbfIsOpen(kSlot) || LayoutOf(db) != layout_ || db.DbfRecCount(kSlot) != rows.RecordCount()) return false;
  db.DbfCloseAll();
  dbf::TableFile file;
  if (!file.OpenForReading(path)) return false;
  const uint32_t length = rows.RecordLength();
  try {
    if (!rows.TakeSavedRecords([&](int64_t record, char* into) {
          file.ReadAt(layout_.headerSize + record * length, into, length);
        })) {
      return false;
    }
    header_ = HeaderBytes(path, layout_.headerSize);
    tail_ = TailBytes(path, layout_.headerSize + rows.RecordCount() * length);
  } catch (const dbf::IoError&) {
    return false;  // read again in full, which names the file if it fails too
  }
  grid_.StoreChanged();
  emit RecordsCounted(rows.RecordCount());
  return true;
}

void OpenTable::StampRows() {
  rowsHold_ = HoldFile(rowsPath_);
  rowsFile_ = FileStamp::Of(rowsPath_);
  stampTaken_ = FileClockNow();
}

bool OpenTable::FileAsRowsLeftIt() {
  const std::optional<FileStamp> now = FileStamp::Of(path_);
  if (!now || !rowsFile_) return false;
  if (*now == *rowsFile_ && !rowsFile_->WithinTick(stampTaken_)) return true;
  if (savedDigest_) return FileDigest::Of(path_) == savedDigest_;
  RecordStore& rows = *Rows();
  const size_t records = static_cast<size_t>(rows.RecordCount()) * rows.RecordLength();
  return FileHolds(path_, {{header_.data(), header_.size()},
                               {rows.Records(), records},
                               {tail_.data(), tail_.size()}});
}

OpenTable::Layout OpenTable::LayoutOf(const dbf::Dbf2_lib& db) {
  Layout layout{db.DbfHeaderSize(kSlot), db.DbfRecordLength(kSlot), {}};
  for (const dbf::FieldNode* f = db.DbfFields(kSlot); f; f = f->next) {
    layout.fields.push_back({f->type, f->offset, f->length, f->decimals});
  }
  return layout;
}

bool OpenTable::RowsFromTable(ui::DialogService& dialogs) {
  const std::optional<FileIdentity> now = FileIdentity::Of(path_);
  if (rows_ && rowsFile_ && now == rowsFile_->identity) return true;
  const std::string notDone = dbf::Tr("OpenTable", kNotDone);
  const std::string saveAsHint = dbf::Tr("OpenTable", kSaveAsHint);
  if (!rows_) {
    dialogs.Message(
        dbf::FillText(dbf::Tr("OpenTable", "Строки таблицы не загружены из файла,\r\nа текущий файл %1.\r\n"),
                      {path_}) +
        notDone);
  } else if (rowsPath_ != path_) {
    dialogs.Message(
        dbf::FillText(dbf::Tr("OpenTable", "Строки таблицы загружены из файла %1,\r\nа текущий файл %2.\r\n"),
                      {rowsPath_, path_}) +
        notDone);
  } else if (!now) {
    dialogs.Message(*DeletedTableMessage());
  } else {
    dialogs.Message(
        dbf::FillText(dbf::Tr("OpenTable", "Файл %1 заменён другим файлом после загрузки строк таблицы.\r\n"),
                      {path_}) +
        saveAsHint + notDone);
  }
  return false;
}

std::optional<std::string> OpenTable::ExplainFailure(const std::string& failure) const {
  const bool aboutTable = failure.find(path_) != std::string::npos || failure.find('/') == std::string::npos;
  return aboutTable ? DeletedTableMessage() : std::nullopt;
}

std::optional<std::string> OpenTable::DeletedTableMessage() const {
  if (!rows_ || rowsPath_ != path_ || FileIdentity::Of(path_)) return std::nullopt;
  return dbf::FillText(dbf::Tr("OpenTable", "Файл %1 удалён после загрузки строк таблицы.\r\n"), {path_}) +
         dbf::Tr("OpenTable", kSaveAsHint) + dbf::Tr("OpenTable", kNotDone);
}

bool OpenTable::RowsFitTable(ui::DialogService& dialogs) {
  if (!RowsFromTable(dialogs)) return false;
  {
    dbf::Dbf2_lib db;
    db.DbfOpenForReading(kSlot, path_);
    if (!db.DbfIsOpen(kSlot) || LayoutOf(db) != layout_) {
      dialogs.Message(
          dbf::FillText(dbf::Tr("OpenTable", "Структура файла %1 изменилась после загрузки строк таблицы.\r\n"),
                        {path_}) +
          dbf::Tr("OpenTable", kSaveAsHint) + dbf::Tr("OpenTable", kNotDone));
      return false;
    }
  }
  if (FileAsRowsLeftIt()) return true;
  // Another program wrote the table since the rows were read: writing them
  // now would undo or misplace its changes. Edits on screen stay; without
  // them the person may load the file again.
  const std::string changed = dbf::FillText(
      dbf::Tr("OpenTable", "Файл %1 изменён другой программой после загрузки строк таблицы.\r\n"), {path_});
  if (Rows()->HasEdits()) {
    dialogs.Message(changed + dbf::Tr("OpenTable", kSaveAsHint) + dbf::Tr("OpenTable", kNotDone));
    return false;
  }
  if (dialogs.Ask(dbf::Tr("OpenTable", "Файл изменён"), changed + dbf::Tr("OpenTable", "Загрузить таблицу из файла заново?"))) {
    Refill();
  }
  dialogs.Message(dbf::Tr("OpenTable", kNotDone));
  return false;
}
