#include "grid_paste.h"

#include "code_page.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "grid_model.h"
#include "grid_options.h"
#include "qt_translations.h"
#include "record_store.h"
#include "string_grid.h"
#include "table_context.h"
#include "typed_cell_check.h"

#include <algorithm>

namespace {

// The refused cells named one by one; more are counted.
constexpr int kNamed = 20;

struct Refused {
  int row;
  int col;
  QString reason;
};

// Why the text cannot go into the cell, or nothing when it went in.
std::optional<QString> PutCell(ui::GridModel& model, RecordStore& rows, int row, int col, const QString& text) {
  if (col >= rows.ColumnCount()) return ui::Tr("GridPaste", "правее последнего поля");
  if (model.Locked(row, col)) return ui::Tr("GridPaste", "мемо-поле не правится в таблице");
  QString character;
  const std::optional<std::string> bytes = ui::EncodeCellText(text, model.Page(), character);
  if (!bytes) {
    return ui::Tr("GridPaste", "символа \"%1\" нет в кодировке %2")
        .arg(character, QString::fromStdString(ui::PageName(model.Page())));
  }
  if (auto reason = TypedCellRefusal(rows.FieldAt(col), *bytes)) return reason;
  model.SetCell(row, col, *bytes);
  return std::nullopt;
}

void Report(const TableContext& context, const std::vector<Refused>& refused) {
  QString text = ui::Tr("GridPaste", "Не вставлено ячеек: %1 (их текст не изменён).").arg(refused.size());
  const int named = std::min<int>(kNamed, static_cast<int>(refused.size()));
  for (int i = 0; i < named; ++i) {
    const Refused& cell = refused[static_cast<size_t>(i)];
    const QString field = cell.col < context.grid.ColCount()
                              ? context.table.Model().Decoded(0, cell.col).trimmed()
                              : QString::number(cell.col);
    text += QStringLiteral("\r\n") +
            ui::Tr("GridPaste", "строка %1, поле %2: %3").arg(QString::number(cell.row), field, cell.reason);
  }
  if (static_cast<int>(refused.size()) > named) {
    text += QStringLiteral("\r\n") + ui::Tr("GridPaste", "и ещё %1").arg(refused.size() - static_cast<size_t>(named));
  }
  context.dialogs.Message(text.toStdString());
}

}  // namespace

std::vector<QStringList> ClipboardBlock(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  std::vector<QStringList> block;
  for (QString& line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    block.push_back(line.split(QLatin1Char('\t')));
  }
  return block;
}

// The cells go into the table's rows through their model; the grid gives the
// place and holds the views back until the whole block is in.
void PasteBlock(const TableContext& context, const QString& text) {
  ui::StringGrid& grid = context.grid;
  ui::GridModel& model = context.table.Model();
  RecordStore* rows = context.table.Rows();
  if (!rows || !grid.Options().testFlag(ui::GridOption::Editing) || rows->RowCount() < 2) return;
  const std::vector<QStringList> block = ClipboardBlock(text);
  if (block.empty()) return;
  const int top = grid.Row();
  const int left = grid.Col();
  int lines = static_cast<int>(block.size());
  const int missing = top + lines - rows->RowCount();
  if (missing > 0 &&
      !context.dialogs.Ask(dbf::Tr("GridPaste", "Вставить строки"),
                           dbf::FillText(dbf::Tr("GridPaste", "Вставляемый блок ниже последней строки на %1 строк.\r\n"
                                                           "Добавить их в таблицу?"),
                                         {std::to_string(missing)}))) {
    lines -= missing;
  }
  std::vector<Refused> refused;
  {
    ui::StringGrid::BatchUpdate batch(grid);
    while (rows->RowCount() < top + lines) model.InsertRow(rows->RowCount());
    for (int i = 0; i < lines; ++i) {
      const QStringList& cells = block[static_cast<size_t>(i)];
      for (int j = 0; j < cells.size(); ++j) {
        const int row = top + i;
        const int col = left + j;
        if (auto reason = PutCell(model, *rows, row, col, cells[j])) refused.push_back({row, col, *reason});
      }
    }
  }
  grid.SetSelectedCell(top, left);
  if (!refused.empty()) Report(context, refused);
}
