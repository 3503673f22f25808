// The table the main window shows, and the one owner of what is known about
// it: its path (TablePath), the file every table command acts on, its rows
// (the records as read, the edits made on them and their history, in a
// RecordStore) and where they came from: the file's name and identity and
// the header and field layout they were read with. The table owns the Qt
// model of its rows (Model()), which the record grid, and any other view,
// shows by reference: the cells, their headings, the view order, the edit
// history and the checks of typed text are the model's, not a view's. Every
// fill, refill and clear of the rows goes through here, so that record is
// never out of date. What changes goes out as signals, which the window turns
// into the texts of its labels.
//
// Reading a table for the grid opens it for reading only: viewing writes
// nothing, and tables the user may not write can still be viewed. A load
// that fails leaves the grid as it was.
#pragma once

#include "code_page.h"
#include "file_identity.h"
#include "grid_model.h"
#include "progress.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class MemoCells;
class QProgressBar;
class RecordStore;
namespace dbf {
class Dbf2_lib;
}
namespace ui {
class DialogService;
class FileServices;
class StringGrid;
}  // namespace ui

class OpenTable : public QObject {
  Q_OBJECT

 public:
  // The grid that shows the rows (it shows Model() from now on, until the
  // table goes) and the progress bar loading shows.
  OpenTable(ui::StringGrid& grid, QProgressBar* progress);
  ~OpenTable() override;

  // The rows as a Qt item model: the field names and the record numbers are
  // its headings; empty while there is no table.
  ui::GridModel& Model() { return model_; }

  // The current table, the file every table command acts on, kept whole
  // whatever its length. It changes only through PointAt, PointAtUnshown
  // and Forget.
  const std::string& TablePath() const { return path_; }

  struct Counts {
    int64_t records = 0;      // by the file's size: the rows shown
    uint32_t stored = 0;      // as the header says
  };
  // Loads TablePath into the grid; nothing when the file cannot be opened
  // for reading (errno tells why). Other failures (not a table, a failed
  // read) throw. Either way the grid and the rows' origin stay as they were.
  // A load after a command changed the file refuses a stop: the grid must
  // show what the file now holds.
  std::optional<Counts> Load(ui::Stop stop = ui::Stop::Allowed);
  // Reads the rows again from TablePath after a command changed the file;
  // RecordsCounted tells how many there are.
  void Refill();
  // After a purge of TablePath kept the records `keep` keeps (told each
  // record's number from 1 and its flag): rows that are the table's records
  // as read are purged alike, without reading the file again; other rows
  // are read again (Refill). RecordsCounted tells how many are left.
  void Purged(const std::function<bool(int64_t record, char flag)>& keep, const ui::FileServices& files);
  // After a command changed TablePath's structure: a renamed field renames
  // its column, any other change loads the table again.
  void StructureChanged();
  // No table: the grid is emptied, its rows come from no file, and no path
  // is current or shown.
  void Forget();
  // The path the window names the table by (PathShown told it last).
  const std::string& ShownPath() const { return shownPath_; }
  // Makes `path` the table the commands act on, and has the window name it
  // at once (PathShown).
  void PointAt(const std::string& path);
  // Makes `path` the file the commands act on while the window keeps naming
  // the table shown (a file handed to the raw view).
  void PointAtUnshown(const std::string& path) { path_ = path; }
  // True when the grid shows the rows of the file TablePath names now.
  bool ShowsRowsOfTablePath() const;
  // True when the grid's rows, unedited, are the records TablePath holds
  // now, in the layout they were read with; asks nothing.
  bool RowsAreTable();
  // The grid's rows were written into `path`, which now holds them; its
  // digest comes from `files` (remembered when the write made it). Edited
  // rows are then shown as stored, numbered as the records now are, taking
  // the bytes of the records they changed from the file. Returns false when
  // that needs the table read again (rows were inserted or taken away).
  [[nodiscard]] bool RowsSavedTo(const std::string& path, const ui::FileServices& files);

  // The code page the table's text is in, which the grid draws and every
  // reader of the table's text decodes with. Set by the window's switch.
  ui::CodePage Page() const { return page_; }
  void SetPage(ui::CodePage page);
  // The code page the last load found: the one the header's language driver
  // byte names, else the one the first records' letters tell; nothing when
  // neither does.
  std::optional<ui::CodePage> FoundPage() const { return found_; }

  // Sets the grid's column widths and row height to show every field in the
  // grid's font; loading does it, a new font calls for it again.
  void FitColumns();

  // The table's rows, which the grid shows, while there is a table; nullptr
  // otherwise.
  RecordStore* Rows() { return rows_.get(); }
  // The memo fields of the rows' table and their memo file, while the grid
  // shows a table; nullptr otherwise. The grid draws their cells from it.
  MemoCells* Memos() { return rows_ ? memos_.get() : nullptr; }
  // The header bytes (header and field descriptors) the rows were read with.
  const std::vector<char>& RowsHeader() const { return header_; }

  // True when the grid's rows may be written into TablePath: they were read
  // from that very file (not one since replaced or deleted, not another
  // file), nobody has changed it since, and it has the field layout they
  // were read with. Otherwise says why, naming the files, and returns false;
  // for a file another program changed it keeps the edits on screen, or,
  // when there are none, offers to load it again.
  bool RowsFitTable(ui::DialogService& dialogs);
  // When the grid's rows were read from TablePath and that file is gone
  // now: the message saying so.
  std::optional<std::string> DeletedTableMessage() const;
  // What a failed command says instead of `failure` while the table is
  // missing: the deleted-table message for a failure that names the table
  // or names no file; one that names another file (a Save as into a folder
  // that cannot be written) keeps its own text.
  std::optional<std::string> ExplainFailure(const std::string& failure) const;

 signals:
  // The path the window names the table by changed (empty: no table).
  void PathShown(const QString& path);
  // A command changed the table's structure and the rows were read again.
  void RecordsLoaded(const OpenTable::Counts& counts);
  // A command changed the table and the rows were read again or purged
  // alike, or saved rows were shown as stored: there are `count` records now.
  void RecordsCounted(qint64 count);
  // Why the memo texts of the rows cannot be shown; empty when they can.
  void MemoNoteChanged(const QString& note);

 private:
  struct FieldLayout {
    char type;
    uint32_t offset;
    uint16_t length;
    uint8_t decimals;
    bool operator==(const FieldLayout&) const = default;
  };
  struct Layout {
    uint16_t headerSize = 0;
    uint32_t recordLength = 0;
    std::vector<FieldLayout> fields;
    bool operator==(const Layout&) const = default;
  };
  // The layout of the table open in the engine's slot 1.
  static Layout LayoutOf(const dbf::Dbf2_lib& db);
  // When the rows came from TablePath and its field layout is theirs (only
  // names changed), takes the new names into the header and returns true.
  bool RenameColumns();
  // Load() after a change (no stop), failing with the reason when the file
  // cannot be read.
  Counts LoadOrFail();

  ui::StringGrid& grid_;
  QProgressBar* progress_;
  // The first part of RowsFitTable: the rows came from the file TablePath
  // names now, as it is now.
  bool RowsFromTable(ui::DialogService& dialogs);
  // Takes the stamp of the rows' file after the program itself wrote it.
  void StampRows();
  // Saved rows that still stand over their own records take the saved
  // file's bytes for the records they changed (see
  // RecordStore::TakeSavedRecords), and its header and tail; false when they
  // cannot and must be read again.
  bool TakeSavedRecords(const std::string& path);
  // True when TablePath holds the bytes the rows were read from or last
  // saved as: its stamp is as taken and too old to hide a change, or its
  // content compares equal (a file only touched is not a changed one).
  bool FileAsRowsLeftIt();

  std::string path_;
  std::string shownPath_;
  std::unique_ptr<RecordStore> rows_;
  std::string rowsPath_;
  std::optional<FileStamp> rowsFile_;  // the file as the rows saw it last
  // The rows' file, held while they are shown: a file put in its place
  // cannot take its inode and pass for it.
  ui::OwnedFd rowsHold_;
  int64_t stampTaken_ = 0;             // when, by the file clock
  // After a Save, the digest of what it wrote; else the file holds header_,
  // the records read and tail_.
  std::optional<FileDigest> savedDigest_;
  std::vector<char> header_;
  std::vector<char> tail_;
  Layout layout_;
  ui::CodePage page_ = ui::CodePage::Windows1251;
  std::optional<ui::CodePage> found_;
  std::unique_ptr<MemoCells> memos_;
  // Last, so that it goes first: it shows rows_ and asks memos_.
  ui::GridModel model_;
};
