#include "memo_view.h"

#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "memo_cells.h"
#include "string_grid.h"

TMemoView::TMemoView(const TableContext& context) : context_(context) {
  context_.grid.onDoubleClick = [this](int row, int col) {
    context_.guard.Run([this, row, col] { StringGrid1DblClick(row, col); });
  };
  context_.grid.onLockedTyped = [this](int, int col) {
    context_.guard.Run([this, col] { StringGrid1LockedTyped(col); });
  };
}

void TMemoView::StringGrid1DblClick(int row, int col) {
  MemoCells* memos = context_.table.Memos();
  if (!memos || !memos->IsMemoColumn(col) || row < 1) return;
  const std::optional<QString> text = memos->WholeText(*context_.table.Rows(), row, col, context_.table.Page());
  if (!text) return;
  const std::string title = dbf::FillText(dbf::Tr("TMemoView", "Мемо-поле %1, строка %2"),
                                          {MemoCells::FieldName(*context_.table.Rows(), col), std::to_string(row)});
  context_.dialogs.ShowText(title, text->toStdString());
}

void TMemoView::StringGrid1LockedTyped(int col) {
  MemoCells* memos = context_.table.Memos();
  if (!memos || !memos->IsMemoColumn(col)) return;
  context_.dialogs.Message(dbf::FillText(dbf::Tr("TMemoView",
                                                 "Мемо-поле %1 только для просмотра: его текст в мемо-файле не "
                                                 "изменяется.\r\nДвойной щелчок показывает весь текст."),
                                         {MemoCells::FieldName(*context_.table.Rows(), col)}));
}
