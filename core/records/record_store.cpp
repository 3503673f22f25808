#include "record_store.h"

#include "cell_values.h"
#include "dbf_field_text.h"
#include "int_text.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace {

constexpr size_t kAlignedMarkLimit = 20;
const char kDeleteSuffix[] = " Delete";

}  // namespace

RecordStore::RecordStore(std::vector<std::string> header, std::vector<Field> fields, uint32_t recordLength,
                         int64_t count)
    : header_(std::move(header)),
      fields_(std::move(fields)),
      recordLength_(recordLength),
      count_(count),
      columns_(static_cast<int>(fields_.size()) + 1),
      // Left uninitialised: the caller reads the records straight into it.
      records_(new char[static_cast<size_t>(count) * recordLength]),
      rowCount_(static_cast<int>(count) + 1) {
  header_.resize(static_cast<size_t>(columns_));
}

// The marks stay with the flags; only their number is kept.
void RecordStore::TakeMarks(int64_t first, int64_t count) {
  const char* flag = records_.get() + static_cast<size_t>(first) * recordLength_;
  for (int64_t r = 0; r < count; ++r, flag += recordLength_) flagged_ += *flag == '*' ? 1 : 0;
}

uint32_t RecordStore::RowId(int row) const {
  return rows_.empty() ? static_cast<uint32_t>(row - 1) : rows_[static_cast<size_t>(row)];
}

RecordStore::Mark RecordStore::MarkAt(int row) const {
  if (!marks_.empty()) return static_cast<Mark>(marks_[static_cast<size_t>(row)]);
  if (row == 0) return kEmpty;
  return records_[static_cast<size_t>(row - 1) * recordLength_] == '*' ? kAlignedDeleted : kAligned;
}

void RecordStore::SpellOutRows() {
  if (!rows_.empty() || rowCount_ == 0) return;
  std::vector<uint32_t> rows(static_cast<size_t>(rowCount_));
  for (int row = 0; row < rowCount_; ++row) rows[static_cast<size_t>(row)] = RowId(row);
  rows_ = std::move(rows);
}

void RecordStore::SpellOutMarks() {
  if (!marks_.empty() || rowCount_ == 0) return;
  std::vector<uint8_t> marks(static_cast<size_t>(rowCount_));
  for (int row = 0; row < rowCount_; ++row) marks[static_cast<size_t>(row)] = MarkAt(row);
  marks_ = std::move(marks);
}

bool RecordStore::RowsOverOwnRecords() const {
  if (rowCount_ != count_ + 1) return false;
  for (size_t row = 1; row < rows_.size(); ++row) {
    uint32_t id = rows_[row];
    if (id != kNoRecord && id >= count_) id = overlays_[id - static_cast<size_t>(count_)].record;
    if (id != row - 1) return false;
  }
  return true;
}

bool RecordStore::AsRead() const { return overlays_.empty() && RowsOverOwnRecords(); }

bool RecordStore::TakeSavedRecords(const std::function<void(int64_t record, char* into)>& read) {
  if (!RowsOverOwnRecords()) return false;
  for (int row = 1; row < rowCount_; ++row) {
    char* record = records_.get() + static_cast<size_t>(row - 1) * recordLength_;
    const Mark ownMark = *record == '*' ? kAlignedDeleted : kAligned;
    if (RowChanged(row) || MarkAt(row) != ownMark) read(row - 1, record);
  }
  rows_.clear();
  marks_.clear();
  otherMarks_.clear();
  overlays_.clear();
  flagged_ = 0;
  TakeMarks(0, count_);
  EditsSaved();
  return true;
}

void RecordStore::Purge(const std::function<bool(int64_t record, char flag)>& keep) {
  char* const records = records_.get();
  const size_t length = recordLength_;
  size_t kept = 0;
  // `keep` may ask for a row's mark, which can be its record's flag: record
  // r is still in place when asked, as only records before it have moved.
  for (int64_t r = 0; r < count_; ++r) {
    const char* record = records + static_cast<size_t>(r) * length;
    if (!keep(r + 1, *record)) continue;
    char* to = records + kept * length;
    if (to != record) std::memmove(to, record, length);
    *to = ' ';
    ++kept;
  }
  count_ = static_cast<int64_t>(kept);
  rowCount_ = static_cast<int>(kept) + 1;
  // Every row shows its own record again, with a blank flag.
  rows_.clear();
  marks_.clear();
  flagged_ = 0;
  otherMarks_.clear();
}

void RecordStore::Resize(int rows, int columns) {
  if (rows == 0 && columns == 0) {
    header_.clear();
    fields_.clear();
    count_ = 0;
    columns_ = 0;
    rowCount_ = 0;
    records_.reset();
    rows_.clear();
    marks_.clear();
    flagged_ = 0;
    otherMarks_.clear();
    overlays_.clear();
    ForgetHistory();
    return;
  }
  if (columns != columns_) throw std::logic_error("the record grid's columns are the table's fields");
  if (rows == rowCount_) return;
  ++edits_;
  ForgetHistory();
  SpellOutRows();
  SpellOutMarks();
  rowCount_ = rows;
  rows_.resize(static_cast<size_t>(rows), kNoRecord);
  marks_.resize(static_cast<size_t>(rows), kEmpty);
  std::erase_if(otherMarks_, [rows](const auto& mark) { return mark.first >= rows; });
}

std::string_view RecordStore::FieldOf(uint32_t record, int column) const {
  const char* data = records_.get() + static_cast<size_t>(record) * recordLength_ + 1;
  const Field& field = fields_[static_cast<size_t>(column) - 1];
  return dbf::FieldText(data, recordLength_ - 1, field.offset, field.length, scratch_);
}

const RecordStore::Overlay* RecordStore::OverlayOf(int row) const {
  const uint32_t id = RowId(row);
  if (id == kNoRecord || id < count_) return nullptr;
  return &overlays_[id - static_cast<size_t>(count_)];
}

std::string_view RecordStore::Cell(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || column >= columns_) return {};
  if (row == 0) return header_[static_cast<size_t>(column)];
  if (column == 0) {
    scratch_ = MarkText(row, MarkAt(row));
    return scratch_;
  }
  const uint32_t id = RowId(row);
  if (id == kNoRecord) return {};
  if (id < count_) return FieldOf(id, column);
  const Overlay& overlay = *OverlayOf(row);
  if (const auto& typed = overlay.cells[static_cast<size_t>(column)]) return *typed;
  return overlay.record == kNoRecord ? std::string_view() : FieldOf(overlay.record, column);
}

void RecordStore::SetCell(int row, int column, std::string_view bytes) {
  if (row < 0 || row >= RowCount() || column < 0 || column >= columns_) return;
  // Row 0 holds the headings: the field names change with the table's
  // structure alone (SetHeader), never as a cell.
  if (row == 0) return;
  if (column == 0) {
    const Mark before = MarkAt(row);
    const Mark after = MarkOf(row, bytes);
    const std::optional<std::string> otherBefore = OtherMark(row, before);
    const std::optional<std::string> otherAfter = after == kOther ? std::optional<std::string>(bytes) : std::nullopt;
    if (before == after && otherBefore == otherAfter) return;
    SetMark(row, after, otherAfter);
    Record({Change::kMark, before, after, row, 0}, edits_, otherBefore, otherAfter);
    return;
  }
  if (Cell(row, column) == bytes) return;
  const uint64_t edits = edits_;
  std::optional<std::string> before = TypedCell(row, column);
  SetTyped(row, column, std::string(bytes));
  Record({Change::kCell, 0, 0, row, column}, edits, std::move(before), std::string(bytes));
}

void RecordStore::SetMark(int row, Mark mark, const std::optional<std::string>& other) {
  SpellOutMarks();
  marks_[static_cast<size_t>(row)] = mark;
  if (mark == kOther) {
    otherMarks_[row] = *other;
  } else {
    otherMarks_.erase(row);
  }
}

std::optional<std::string> RecordStore::OtherMark(int row, Mark mark) const {
  if (mark != kOther) return std::nullopt;
  return otherMarks_.at(row);
}

std::optional<std::string> RecordStore::TypedCell(int row, int column) const {
  const Overlay* overlay = OverlayOf(row);
  return overlay ? overlay->cells[static_cast<size_t>(column)] : std::nullopt;
}

// A row whose record no typed cell hides any more shows its record again.
void RecordStore::SetTyped(int row, int column, std::optional<std::string> typed) {
  if (!typed && OverlayOf(row) == nullptr) return;
  SpellOutRows();
  uint32_t& id = rows_[static_cast<size_t>(row)];
  if (id == kNoRecord || id < count_) {
    overlays_.push_back({id, std::vector<std::optional<std::string>>(static_cast<size_t>(columns_))});
    id = static_cast<uint32_t>(count_ + static_cast<int64_t>(overlays_.size()) - 1);
  }
  Overlay& overlay = overlays_[id - static_cast<size_t>(count_)];
  overlay.cells[static_cast<size_t>(column)] = std::move(typed);
  ++edits_;
  if (overlay.record != kNoRecord &&
      std::none_of(overlay.cells.begin(), overlay.cells.end(), [](const auto& cell) { return cell.has_value(); })) {
    id = overlay.record;
  }
}

void RecordStore::InsertRow(int row) {
  if (row < 1 || row > RowCount()) return;
  SpellOutRows();
  SpellOutMarks();
  ++rowCount_;
  rows_.insert(rows_.begin() + row, kNoRecord);
  marks_.push_back(kEmpty);
  Record({Change::kInsert, 0, 0, row, -1}, edits_++);
}

void RecordStore::RemoveInsertedRow(int row) {
  SpellOutRows();
  SpellOutMarks();
  --rowCount_;
  rows_.erase(rows_.begin() + row);
  marks_.pop_back();
  otherMarks_.erase(static_cast<int>(marks_.size()));
  ++edits_;
}

std::string RecordStore::MarkText(int row, Mark mark) const {
  switch (mark) {
    case kEmpty:
      return {};
    case kAligned:
      return ui::RightAligned(row, 7);
    case kAlignedDeleted:
      return (ui::RightAligned(row, 7) + kDeleteSuffix).substr(0, kAlignedMarkLimit);
    case kPlain:
      return std::to_string(row);
    case kPlainDeleted:
      return std::to_string(row) + kDeleteSuffix;
    case kOther:
      break;
  }
  return otherMarks_.at(row);
}

RecordStore::Mark RecordStore::MarkOf(int row, std::string_view text) const {
  for (const Mark mark : {kEmpty, kAligned, kAlignedDeleted, kPlain, kPlainDeleted}) {
    if (MarkText(row, mark) == text) return mark;
  }
  return kOther;
}

const char* RecordStore::SourceRecord(int row) const {
  if (row < 1 || row >= RowCount()) return nullptr;
  uint32_t id = RowId(row);
  if (const Overlay* overlay = OverlayOf(row)) id = overlay->record;
  if (id == kNoRecord) return nullptr;
  return records_.get() + static_cast<size_t>(id) * recordLength_;
}

bool RecordStore::RowChanged(int row) const {
  return row >= 1 && row < RowCount() && RowId(row) >= count_;
}

bool RecordStore::CellChanged(int row, int column) const {
  if (!RowChanged(row) || column < 1 || column >= columns_) return false;
  const Overlay* overlay = OverlayOf(row);
  return !overlay || overlay->record == kNoRecord || overlay->cells[static_cast<size_t>(column)].has_value();
}

bool RecordStore::MarkedDeleted(int row, size_t limit) const {
  if (row < 1 || row >= RowCount()) return false;
  switch (MarkAt(row)) {
    case kAlignedDeleted:
    case kPlainDeleted:
      return true;
    case kOther:
      return cells::HasDeleteMark(cells::Trimmed(otherMarks_.at(row)).substr(0, limit));
    default:
      return false;
  }
}

int64_t RecordStore::MarkedCount(size_t limit) const {
  if (marks_.empty()) return rowCount_ > 0 ? flagged_ : 0;
  int64_t marked = 0;
  for (int row = 1; row < RowCount(); ++row) {
    const uint8_t mark = marks_[static_cast<size_t>(row)];
    if (mark == kAlignedDeleted || mark == kPlainDeleted || (mark == kOther && MarkedDeleted(row, limit))) ++marked;
  }
  return marked;
}

void RecordStore::SetHeader(std::vector<std::string> header) {
  header_ = std::move(header);
  header_.resize(static_cast<size_t>(columns_));
}
