#include "open_table.h"

#include "code_page.h"
#include "code_page_detection.h"
#include "column_widths.h"
#include "dbf2_lib.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "memo_cells.h"
#include "progress.h"
#include "qt_translations.h"
#include "record_store.h"
#include "string_grid.h"
#include "table_checks.h"
#include "table_command_steps.h"

#include <QLabel>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <system_error>

namespace {

constexpr uint16_t kSlot = 1;
// Records are read in blocks of about this many bytes, the progress bar
// moving between blocks.
constexpr int64_t kReadBlock = 4 << 20;
const char kNotDone[] = DBF_TR_NOOP("OpenTable", "Команда не выполнена!");
const char kSaveAsHint[] = DBF_TR_NOOP("OpenTable", "Строки можно сохранить в новый файл командой \"Save as :\".\r\n");

// Records whose letters tell the table's code page.
constexpr int64_t kRecordsToTell = 100;
// The header byte that names the table's code page.
constexpr size_t kLanguageDriver = 29;

// Column 0's title in the code page the grid draws.
std::string CornerTitle(ui::CodePage page) { return ui::EncodeTyped(ui::Tr("OpenTable", "№ п/п"), page); }

std::vector<char> HeaderBytes(const std::string& path, uint16_t headerSize) {
  dbf::TableFile file;
  if (!file.OpenForReading(path)) throw dbf::IoError(errno, "open " + path);
  std::vector<char> bytes(headerSize);
  file.ReadAt(0, bytes.data(), bytes.size());
  return bytes;
}

}  // namespace

OpenTable::OpenTable(ui::StringGrid& grid, QProgressBar* progress, QLabel& pathStrip, QLabel& countText,
                     QLabel* memoNote)
    : grid_(grid), progress_(progress), pathStrip_(pathStrip), countText_(countText), memoNote_(memoNote) {
  grid_.PresentCells([this](int, int col) { return Memos() && memos_->IsMemoColumn(col); },
                     [this](int row, int col) { return memos_->Shown(*Rows(), row, col, page_); });
}

// The grid may outlive the table: it must no longer ask for memo cells.
OpenTable::~OpenTable() { grid_.PresentCells({}, {}); }

void OpenTable::FitColumns() {
  std::vector<int> lengths;
  for (const FieldLayout& field : layout_.fields) lengths.push_back(field.length);
  FitRecordColumns(grid_, lengths);
}

std::optional<OpenTable::Counts> OpenTable::Load(ui::Stop stop) {
  dbf::Dbf2_lib db;
  errno = 0;
  db.DbfOpenForReading(kSlot, TablePath);
  if (!db.DbfIsOpen(kSlot)) return std::nullopt;
  const int64_t count = db.DbfRecCount(kSlot);
  const uint32_t length = db.DbfRecordLength(kSlot);
  std::vector<std::string> header{CornerTitle(page_)};
  std::vector<RecordStore::Field> fields;
  std::vector<MemoCells::Field> memoFields;
  Layout layout{db.DbfHeaderSize(kSlot), length, {}};
  for (const dbf::FieldNode* f = db.DbfFields(kSlot); f; f = f->next) {
    header.push_back(f->Name());
    fields.push_back({f->offset, f->length});
    memoFields.push_back({f->type, f->offset, f->length});
    layout.fields.push_back({f->type, f->offset, f->length, f->decimals});
  }
  std::vector<char> headerBytes = HeaderBytes(TablePath, layout.headerSize);
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

  auto memos = std::make_unique<MemoCells>(TablePath, static_cast<uint8_t>(headerBytes[0]), std::move(memoFields),
                                           [this](const std::string& note) {
                                             if (memoNote_) memoNote_->setText(QString::fromStdString(note));
                                           });
  ui::StringGrid::BatchUpdate batch(grid_);
  grid_.Clear();
  memos_ = std::move(memos);
  grid_.SetStore(std::move(store));
  grid_.SetFixedRows(count > 0 ? 1 : 0);
  hasRows_ = true;
  rowsPath_ = TablePath;
  StampRows();
  header_ = std::move(headerBytes);
  layout_ = std::move(layout);
  found_ = found;
  FitColumns();
  return counts;
}

OpenTable::Counts OpenTable::LoadOrFail() {
  const std::optional<Counts> counts = Load(ui::Stop::Refused);
  if (!counts) throw std::system_error(errno, std::generic_category(), CannotReadMessage(TablePath));
  return *counts;
}

void OpenTable::ShowLoadedCounts(const Counts& counts) {
  QString text = ui::Tr("OpenTable", "%1 строк").arg(counts.records);
  if (counts.stored != counts.records) {
    text += ui::Tr("OpenTable", " (в заголовке файла: %1)").arg(counts.stored);
  }
  countText_.setText(text);
}

void OpenTable::Refill() { countText_.setText(RecordCountText(LoadOrFail().records)); }

void OpenTable::Purged(const std::function<bool(int64_t record, char flag)>& keep) {
  RecordStore* rows = Rows();
  if (!rows || rowsPath_ != TablePath || !rows->AsRead()) return Refill();
  {
    ui::StringGrid::BatchUpdate batch(grid_);
    rows->Purge(keep);
    grid_.SetFixedRows(rows->RecordCount() > 0 ? 1 : 0);
  }
  StampRows();
  header_ = HeaderBytes(TablePath, layout_.headerSize);
  countText_.setText(RecordCountText(rows->RecordCount()));
}

void OpenTable::StructureChanged() {
  if (!RenameColumns()) ShowLoadedCounts(LoadOrFail());
}

void OpenTable::ShowPath() { pathStrip_.setText(QString::fromStdString(TablePath)); }

std::string OpenTable::ShownPath() const { return pathStrip_.text().toStdString(); }

void OpenTable::Forget() {
  grid_.Clear();
  hasRows_ = false;
  rowsPath_.clear();
  rowsFile_.reset();
  header_.clear();
  layout_ = {};
  memos_.reset();
  if (memoNote_) memoNote_->clear();
}

bool OpenTable::RenameColumns() {
  const std::optional<FileIdentity> now = FileIdentity::Of(TablePath);
  if (!hasRows_ || !rowsFile_ || !now || rowsFile_->identity != *now) return false;
  dbf::Dbf2_lib db;
  db.DbfOpenForReading(kSlot, TablePath);
  if (!db.DbfIsOpen(kSlot) || LayoutOf(db) != layout_) return false;
  std::vector<std::string> header{CornerTitle(page_)};
  for (const dbf::FieldNode* f = db.DbfFields(kSlot); f; f = f->next) header.push_back(f->Name());
  header_ = HeaderBytes(TablePath, layout_.headerSize);
  db.DbfCloseAll();
  Rows()->SetHeader(std::move(header));
  grid_.StoreChanged();
  StampRows();
  return true;
}

void OpenTable::SetPage(ui::CodePage page) {
  page_ = page;
  grid_.SetCodePage(page);
  if (RecordStore* rows = Rows()) {
    rows->SetCell(0, 0, CornerTitle(page));
    grid_.StoreChanged();
  }
}

void OpenTable::RowsSavedTo(const std::string& path) {
  rowsPath_ = path;
  StampRows();
  if (RecordStore* rows = Rows()) rows->EditsSaved();
}

void OpenTable::StampRows() { rowsFile_ = FileStamp::Of(rowsPath_); }

RecordStore* OpenTable::Rows() { return hasRows_ ? dynamic_cast<RecordStore*>(&grid_.Store()) : nullptr; }

OpenTable::Layout OpenTable::LayoutOf(const dbf::Dbf2_lib& db) {
  Layout layout{db.DbfHeaderSize(kSlot), db.DbfRecordLength(kSlot), {}};
  for (const dbf::FieldNode* f = db.DbfFields(kSlot); f; f = f->next) {
    layout.fields.push_back({f->type, f->offset, f->length, f->decimals});
  }
  return layout;
}

bool OpenTable::RowsFromTable(ui::DialogService& dialogs) {
  const std::optional<FileIdentity> now = FileIdentity::Of(TablePath);
  if (hasRows_ && rowsFile_ && now == rowsFile_->identity) return true;
  const std::string notDone = dbf::Tr("OpenTable", kNotDone);
  const std::string saveAsHint = dbf::Tr("OpenTable", kSaveAsHint);
  if (!hasRows_) {
    dialogs.Message(
        dbf::FillText(dbf::Tr("OpenTable", "Строки таблицы не загружены из файла,\r\nа текущий файл %1.\r\n"),
                      {TablePath}) +
        notDone);
  } else if (rowsPath_ != TablePath) {
    dialogs.Message(
        dbf::FillText(dbf::Tr("OpenTable", "Строки таблицы загружены из файла %1,\r\nа текущий файл %2.\r\n"),
                      {rowsPath_, TablePath}) +
        notDone);
  } else if (!now) {
    dialogs.Message(
        dbf::FillText(dbf::Tr("OpenTable", "Файл %1 удалён после загрузки строк таблицы.\r\n"), {TablePath}) +
        saveAsHint + notDone);
  } else {
    dialogs.Message(
        dbf::FillText(dbf::Tr("OpenTable", "Файл %1 заменён другим файлом после загрузки строк таблицы.\r\n"),
                      {TablePath}) +
        saveAsHint + notDone);
  }
  return false;
}

bool OpenTable::RowsFitTable(ui::DialogService& dialogs) {
  if (!RowsFromTable(dialogs)) return false;
  {
    dbf::Dbf2_lib db;
    db.DbfOpenForReading(kSlot, TablePath);
    if (!db.DbfIsOpen(kSlot) || LayoutOf(db) != layout_) {
      dialogs.Message(
          dbf::FillText(dbf::Tr("OpenTable", "Структура файла %1 изменилась после загрузки строк таблицы.\r\n"),
                        {TablePath}) +
          dbf::Tr("OpenTable", kSaveAsHint) + dbf::Tr("OpenTable", kNotDone));
      return false;
    }
  }
  if (FileStamp::Of(TablePath) == rowsFile_) return true;
  // Another program wrote the table since the rows were read: writing them
  // now would undo or misplace its changes.
  if (dialogs.Ask(dbf::Tr("OpenTable", "Файл изменён"),
                  dbf::FillText(dbf::Tr("OpenTable",
                                        "Файл %1 изменён другой программой после загрузки строк таблицы.\r\n"
                                        "Загрузить таблицу из файла заново? Изменения в строках будут потеряны."),
                                {TablePath}))) {
    Refill();
  }
  dialogs.Message(dbf::Tr("OpenTable", kNotDone));
  return false;
}
