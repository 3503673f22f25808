// The memo fields of the table the record grid shows: which columns they are,
// the memo file they read from (kept open while the table is shown), and the
// text each of their cells shows. A cell keeps the block number the record
// holds; its memo is read only when the cell is drawn or asked for, and
// never written. A memo that cannot be read shows as an empty cell in the
// warning tint, and the note (the status strip) says why.
#pragma once

#include "code_page.h"
#include "dbf_memo.h"
#include "shown_cell.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class RecordStore;

class MemoCells {
 public:
  struct Field {
    char type;
    uint32_t offset;  // 1 = the first byte after the deletion flag
    uint16_t length;
  };
  // The fields of the table at `tablePath`, in column order, and its header's
  // version byte. `note` receives every change of the status note.
  MemoCells(const std::string& tablePath, uint8_t tableVersion, std::vector<Field> fields,
            std::function<void(const std::string&)> note);

  bool HasMemoColumns() const { return !memoColumns_.empty(); }
  // True for the grid column (1 = the first field) of a memo field.
  bool IsMemoColumn(int col) const;
  // What the cell shows: the memo's first line, with " …" when more follows.
  ui::ShownCell Shown(const RecordStore& rows, int row, int col, ui::CodePage page);
  // The memo's text, decoded, with a note at its end when it goes on past
  // kWholeMemoBytes; nothing where the cell shows no memo.
  std::optional<QString> WholeText(const RecordStore& rows, int row, int col, ui::CodePage page);
  // The most of a memo's bytes the whole-text window shows.
  static constexpr size_t kWholeMemoBytes = 4u << 20;
  // The column's field name, as the grid's header row shows it now.
  static std::string FieldName(const RecordStore& rows, int col);

 private:
  // The memo of a cell, at most `limit` bytes of it; a fault also sets the note.
  std::optional<dbf::Memo> MemoOf(const RecordStore& rows, int row, int col, size_t limit);
  void Note(const std::string& text);

  std::vector<Field> fields_;
  std::vector<bool> memoColumns_;  // by field; empty when there are none
  std::unique_ptr<dbf::MemoFile> file_;
  std::string fileProblem_;  // why there is no memo file to read
  std::unordered_map<uint32_t, dbf::Memo> firstLines_;  // the drawn cells' memos, by block
  std::function<void(const std::string&)> note_;
  std::string noted_;
};
