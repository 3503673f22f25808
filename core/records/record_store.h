// The record grid's cells: the table's records kept as they were read, one
// block of whole records, and cut into cell texts only when a cell is drawn
// or asked for. While every row shows its own record with the mark its flag
// gives, the rows cost nothing beside the record bytes; the first typed
// cell, inserted row or changed mark spells the rows and marks out, five
// bytes a row.
//
// What a person changes is kept apart from the records: a typed cell in an
// overlay row that still knows its record, an inserted row as a row without
// one. So Save can tell, cell by cell, what was edited and write every other
// byte back exactly as it was read.
//
// Column 0 (the record number and the deletion mark) belongs to the row's
// position, not to the row: inserting a row moves the cells of the fields
// down and leaves column 0 where it stands.
//
// The store keeps the history of those changes until the rows are saved:
// every typed cell, mark and inserted row is recorded, the changes of one
// group (a batch of the grid) as one step, any other change as a step of
// its own. Undo takes the last step back, Redo does it again; a new change
// forgets the steps undone. Taking a typed cell back gives the row its
// record's bytes again, so Save writes them as they were read.
#pragma once

#include "cell_store.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class RecordStore final : public ui::CellStore {
 public:
  struct Field {
    uint32_t offset = 1;  // 1 = the first byte after the deletion flag
    uint16_t length = 0;
    char type = 'C';
    uint8_t decimals = 0;
  };

  // A grid of one header row (`header`: column 0's title, then each field's
  // name) over `count` records of `recordLength` bytes (flag included), whose
  // bytes the caller fills through Records() before showing the grid.
  RecordStore(std::vector<std::string> header, std::vector<Field> fields, uint32_t recordLength,
              int64_t count);
  // What a row costs beside its record's bytes once the rows are spelled out.
  static constexpr uint64_t kRowBytes = sizeof(uint32_t) + sizeof(uint8_t);

  char* Records() { return records_.get(); }
  // Takes column 0 of the rows of records first .. first + count - 1 (from
  // 0) from their deletion flags, once their bytes are in Records().
  void TakeMarks(int64_t first, int64_t count);
  int64_t RecordCount() const { return count_; }
  uint32_t RecordLength() const { return recordLength_; }

  int RowCount() const override { return rowCount_; }
  int ColumnCount() const override { return columns_; }
  // Rows come and go; the columns are the table's fields and stay, except
  // that 0 rows and 0 columns empties the store.
  void Resize(int rows, int columns) override;
  std::string_view Cell(int row, int column) const override;
  // Storing the text a cell already shows changes nothing; nor does
  // storing into row 0, the headings (see SetHeader).
  void SetCell(int row, int column, std::string_view bytes) override;
  void InsertRow(int row) override;

  // For writing the rows back. The record a data row was read from (flag
  // byte first), or nullptr for a row inserted into the grid.
  const char* SourceRecord(int row) const;
  // True when a cell of the row was typed, or the row has no record.
  bool RowChanged(int row) const;
  // True when the cell was typed (or its row has no record): its text, not
  // the record's bytes, is what the row holds there.
  bool CellChanged(int row, int column) const;
  // True when column 0's text, trimmed and cut to `limit` characters,
  // carries the deletion mark; without building the text where the row's
  // own number and mark stand there.
  bool MarkedDeleted(int row, size_t limit) const;
  // True when a field's cell was typed, or rows were inserted or taken
  // away, since the rows were read or last saved. Column 0 (marks) is no
  // edit: the deletion commands act on it.
  bool HasEdits() const { return edits_ != savedEdits_; }
  // The rows as they stand are now what the file holds; the history is
  // forgotten.
  void EditsSaved();
  // True when the rows are the records as read, one each in file order, and
  // no cell was typed (marks aside).
  bool AsRead() const;
  // For rows just saved one record each in row order: when every row still
  // stands over its own record (typed over or not; no row inserted or taken
  // away), the rows become the saved records, as if read again: a row whose
  // cells were typed or whose column 0 is not its record's own number and
  // mark takes its record's saved bytes from `read` (told the record's
  // number from 0), every row shows its number with its flag's mark, and the
  // history is forgotten. Otherwise changes nothing and returns false.
  bool TakeSavedRecords(const std::function<void(int64_t record, char* into)>& read);
  // For a store AsRead whose table was purged of the records `keep` does
  // not keep (told each record's number from 1 and its flag): the same
  // purge of the rows, the kept records moved together with their flags
  // blank, and column 0 their own numbers again.
  void Purge(const std::function<bool(int64_t record, char flag)>& keep);
  // Replaces the header's field names (the layout stays).
  void SetHeader(std::vector<std::string> header);
  // The field shown in `column` (1 = the first field).
  const Field& FieldAt(int column) const { return fields_[static_cast<size_t>(column) - 1]; }
  // The data rows whose column 0 carries the deletion mark (as MarkedDeleted).
  int64_t MarkedCount(size_t limit) const;

  // The edit history.
  void BeginGroup() override;
  void EndGroup() override;
  bool CanUndo() const { return !done_.empty(); }
  bool CanRedo() const { return !undone_.empty(); }
  // A cell the step touched first (column -1 for an inserted row), to show
  // where the change was; nothing when there was no step.
  struct Place {
    int row;
    int column;
  };
  std::optional<Place> Undo();
  std::optional<Place> Redo();

 private:
  static constexpr uint32_t kNoRecord = UINT32_MAX;
  // Column 0's text, by what it says about its position r.
  enum Mark : uint8_t { kEmpty, kAligned, kAlignedDeleted, kPlain, kPlainDeleted, kOther };
  struct Overlay {
    uint32_t record = kNoRecord;
    std::vector<std::optional<std::string>> cells;  // by column; set = typed
  };

  // Row `row`'s entry of rows_, or of the rows as read while they are not
  // spelled out.
  uint32_t RowId(int row) const;
  // True when each row r shows record r - 1, typed over or not.
  bool RowsOverOwnRecords() const;
  Mark MarkAt(int row) const;
  // Writes rows_ and marks_ out in full before they change.
  void SpellOutRows();
  void SpellOutMarks();
  std::string_view FieldOf(uint32_t record, int column) const;
  const Overlay* OverlayOf(int row) const;
  std::string MarkText(int row, Mark mark) const;
  Mark MarkOf(int row, std::string_view text) const;
  void SetMark(int row, Mark mark, const std::optional<std::string>& other);
  std::optional<std::string> OtherMark(int row, Mark mark) const;
  // A typed cell's text, nothing where the cell shows its record's bytes.
  std::optional<std::string> TypedCell(int row, int column) const;
  void SetTyped(int row, int column, std::optional<std::string> typed);
  // Takes back InsertRow(row): column 0 keeps its texts at their rows.
  void RemoveInsertedRow(int row);

  // One recorded change: a field's cell (texts: before, after, nothing for
  // a cell showing its record), a mark (texts only for other marks) or an
  // inserted row.
  struct Change {
    enum Kind : uint8_t { kCell, kMark, kInsert };
    Kind kind;
    uint8_t markBefore = 0;
    uint8_t markAfter = 0;
    int row = 0;
    int column = 0;
    uint32_t text = 0;  // index of the texts before and after in the step
  };
  struct Step {
    std::vector<Change> changes;
    std::vector<std::optional<std::string>> texts;
    uint64_t editsBefore = 0;
    uint64_t editsAfter = 0;
  };
  void Record(Change change, uint64_t editsBefore, std::optional<std::string> before = {},
              std::optional<std::string> after = {});
  void Apply(const Change& change, const Step& step, bool forward);
  void ForgetHistory();

  std::vector<std::string> header_;
  std::vector<Field> fields_;
  uint32_t recordLength_;
  int64_t count_;
  int columns_;
  std::unique_ptr<char[]> records_;
  int rowCount_;
  // By grid row (row 0 unused): a record number from 0, or count_ + the
  // index of its overlay, or kNoRecord for an inserted row nobody typed in.
  // Empty while each row r shows record r - 1.
  std::vector<uint32_t> rows_;
  // Column 0 by position, a Mark. Empty while each position r shows the
  // number with the mark of record r - 1's flag; flagged_ of them are marked.
  std::vector<uint8_t> marks_;
  int64_t flagged_ = 0;
  std::unordered_map<int, std::string> otherMarks_;
  std::vector<Overlay> overlays_;
  mutable std::string scratch_;  // a cell built for the caller
  uint64_t edits_ = 0;
  uint64_t savedEdits_ = 0;
  std::vector<Step> done_;
  std::vector<Step> undone_;
  std::optional<Step> open_;  // the step of the group being made
  int groupDepth_ = 0;
  bool replaying_ = false;  // changes made by Undo and Redo are not recorded
};
