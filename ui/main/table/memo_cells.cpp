#include "memo_cells.h"

#include "dbf_errors.h"
#include "dbf_texts.h"
#include "qt_translations.h"
#include "record_store.h"

#include <algorithm>

namespace {

// Bytes read for a cell: its first line is what it shows.
constexpr size_t kCellBytes = 512;
// Memos kept for drawing before the keeping starts over.
constexpr size_t kKeptMemos = 1024;
const char kTip[] = DBF_TR_NOOP("MemoCells", "Мемо-поле: двойной щелчок показывает весь текст");

std::string RowText(int row, const std::string& field) {
  return dbf::FillText(dbf::Tr("MemoCells", "Строка %1, поле %2"), {std::to_string(row), field});
}

QString BinaryCaption(const dbf::Memo& memo) {
  return ui::Tr("MemoCells", "(двоичные данные, %1 байт)").arg(memo.size);
}

}  // namespace

MemoCells::MemoCells(const std::string& tablePath, uint8_t tableVersion, std::vector<Field> fields,
                     std::function<void(const std::string&)> note)
    : fields_(std::move(fields)), note_(std::move(note)) {
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (!dbf::IsMemoField(fields_[i].type, fields_[i].length)) continue;
    memoColumns_.resize(fields_.size(), false);
    memoColumns_[i] = true;
  }
  const std::string path = HasMemoColumns() ? dbf::FindMemoFile(tablePath) : std::string();
  auto file = std::make_unique<dbf::MemoFile>();
  bool opened = false;
  try {
    opened = !path.empty() && file->Open(path, tableVersion);
  } catch (const dbf::IoError&) {
  }
  if (HasMemoColumns() && path.empty()) {
    fileProblem_ = dbf::Tr("MemoCells", "Мемо-файл таблицы (.dbt или .fpt) не найден: тексты мемо-полей не показаны.");
  } else if (HasMemoColumns() && !opened) {
    fileProblem_ = dbf::FillText(
        dbf::Tr("MemoCells", "Мемо-файл %1 повреждён или не читается: тексты мемо-полей не показаны."), {path});
  }
  Note(fileProblem_);
  if (opened) file_ = std::move(file);
}

std::string MemoCells::FieldName(const RecordStore& rows, int col) { return std::string(rows.Cell(0, col)); }

bool MemoCells::IsMemoColumn(int col) const {
  return col >= 1 && static_cast<size_t>(col) <= memoColumns_.size() && memoColumns_[static_cast<size_t>(col) - 1];
}

void MemoCells::Note(const std::string& text) {
  if (text == noted_ && !text.empty()) return;
  noted_ = text;
  if (note_) note_(text);
}

std::optional<dbf::Memo> MemoCells::MemoOf(const RecordStore& rows, int row, int col, size_t limit) {
  const char* record = rows.SourceRecord(row);
  if (!record) return std::nullopt;  // a row inserted into the grid has no memo
  const Field& field = fields_[static_cast<size_t>(col) - 1];
  if (static_cast<uint64_t>(field.offset) + field.length > rows.RecordLength()) return std::nullopt;
  const std::optional<uint32_t> block = dbf::MemoBlockNumber(record + field.offset, field.length);
  if (block == 0u) return std::nullopt;
  const std::string where = RowText(row, FieldName(rows, col));
  if (!block) {
    Note(dbf::FillText(dbf::Tr("MemoCells", "%1: номер блока мемо-файла не прочитан."), {where}));
    return dbf::Memo{dbf::Memo::kDamaged, {}, false, 0};
  }
  if (!file_) {
    Note(fileProblem_);
    return dbf::Memo{dbf::Memo::kDamaged, {}, false, 0};
  }
  const bool forCell = limit == kCellBytes;
  if (forCell) {
    if (const auto kept = firstLines_.find(*block); kept != firstLines_.end()) return kept->second;
  }
  dbf::Memo memo;
  try {
    memo = file_->Read(*block, limit);
  } catch (const dbf::IoError&) {
    memo = dbf::Memo{dbf::Memo::kDamaged, {}, false, 0};
  }
  if (memo.status == dbf::Memo::kPastEnd) {
    Note(dbf::FillText(dbf::Tr("MemoCells", "%1: блок %2 за концом мемо-файла %3."),
                       {where, std::to_string(*block), file_->Path()}));
  } else if (memo.status == dbf::Memo::kDamaged) {
    Note(dbf::FillText(dbf::Tr("MemoCells", "%1: текст в блоке %2 мемо-файла %3 повреждён."),
                       {where, std::to_string(*block), file_->Path()}));
  }
  if (forCell) {
    if (firstLines_.size() >= kKeptMemos) firstLines_.clear();
    firstLines_.emplace(*block, memo);
  }
  return memo;
}

ui::ShownCell MemoCells::Shown(const RecordStore& rows, int row, int col, ui::CodePage page) {
  const std::optional<dbf::Memo> memo = MemoOf(rows, row, col, kCellBytes);
  if (!memo) return {QString(), false, ui::Tr("MemoCells", kTip)};
  switch (memo->status) {
    case dbf::Memo::kText:
      break;
    case dbf::Memo::kBinary:
      return {BinaryCaption(*memo), false, ui::Tr("MemoCells", kTip)};
    case dbf::Memo::kPastEnd:
    case dbf::Memo::kDamaged:
      return {QString(), true, QString::fromStdString(noted_)};
  }
  const size_t lineEnd = std::min(memo->bytes.find_first_of("\r\n"), memo->bytes.size());
  QString text = ui::DecodeCell(std::string_view(memo->bytes).substr(0, lineEnd), page);
  if (memo->cut || lineEnd < memo->bytes.size()) text += QString::fromUtf8(" …");
  return {text, false, ui::Tr("MemoCells", kTip)};
}

std::optional<QString> MemoCells::WholeText(const RecordStore& rows, int row, int col, ui::CodePage page) {
  const std::optional<dbf::Memo> memo = MemoOf(rows, row, col, kWholeMemoBytes);
  if (memo && memo->status == dbf::Memo::kBinary) return BinaryCaption(*memo);
  if (!memo || memo->status != dbf::Memo::kText) return std::nullopt;
  QString text = ui::DecodeCell(memo->bytes, page);
  if (memo->cut) {
    text += QStringLiteral("\n\n") + ui::Tr("MemoCells", "[Текст мемо-поля длиннее %1 МБ и показан не весь.]")
                                         .arg(kWholeMemoBytes >> 20);
  }
  return text;
}
