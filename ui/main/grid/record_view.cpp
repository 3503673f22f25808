#include "record_view.h"

#include "dbf_header.h"
#include "event_guard.h"
#include "filter_line.h"
#include "memo_cells.h"
#include "qt_translations.h"
#include "record_store.h"
#include "string_grid.h"

#include <QLabel>

#include <numeric>

namespace {

constexpr size_t kTypeAt = 11;
constexpr size_t kLengthAt = 16;
// Column 0 holds the record number, with " Delete" for a marked record.
constexpr ColumnField kNumberColumn{'C', 20};

}  // namespace

TRecordView::TRecordView(const TableContext& context, FilterLine& line, QLabel& count)
    : context_(context), line_(line), count_(count) {
  context_.grid.onHeadingClick = [this](int col) { context_.guard.Run([this, col] { HeadingClicked(col); }); };
  line_.onApply = context_.guard.Guarded([this] { Apply(); });
  // Inside the command that reset the grid, which is guarded already.
  resets_ = QObject::connect(&context_.table.Model(), &QAbstractItemModel::modelReset, &line_, [this] { GridReset(); });
}

// The grid and the filter line outlive this, while the window is taken down.
TRecordView::~TRecordView() {
  QObject::disconnect(resets_);
  context_.grid.onHeadingClick = nullptr;
  line_.onApply = nullptr;
}

void TRecordView::GridReset() {
  const RecordStore* rows = context_.table.Rows();
  if (rows != rows_) {
    rows_ = rows;
    sortColumn_ = -1;
    count_.clear();
    std::vector<bool> usable(rows ? static_cast<size_t>(rows->ColumnCount()) : 0);
    for (size_t col = 0; col < usable.size(); ++col) usable[col] = Orderable(static_cast<int>(col));
    line_.Rebuild(usable);
    page_ = context_.table.Page();
  } else if (rows && context_.table.Page() != page_) {
    Apply();
  }
}

ColumnField TRecordView::FieldOf(int col) const {
  if (col == 0) return kNumberColumn;
  const std::vector<char>& header = context_.table.RowsHeader();
  const size_t descriptor = dbf::kHeaderSize * static_cast<size_t>(col);
  if (descriptor + kLengthAt >= header.size()) return {};
  return {header[descriptor + kTypeAt], static_cast<uint8_t>(header[descriptor + kLengthAt])};
}

bool TRecordView::Orderable(int col) const {
  MemoCells* memos = context_.table.Memos();
  return rows_ && col >= 0 && col < rows_->ColumnCount() && !(memos && memos->IsMemoColumn(col));
}

void TRecordView::HeadingClicked(int col) {
  if (!Orderable(col)) return;
  if (col != sortColumn_) {
    sortColumn_ = col;
    descending_ = false;
  } else if (!descending_) {
    descending_ = true;
  } else {
    sortColumn_ = -1;
  }
  Apply();
}

void TRecordView::Apply() {
  if (!rows_ || rows_ != context_.table.Rows()) return;
  page_ = context_.table.Page();
  std::vector<ColumnFilter> filters;
  for (int col = 0; col < rows_->ColumnCount(); ++col) {
    const QString text = line_.Text(col).trimmed();
    if (!text.isEmpty() && Orderable(col)) filters.emplace_back(col, FieldOf(col), text, page_);
  }
  const int records = rows_->RowCount() - 1;
  std::vector<int32_t> shown;
  if (!filters.empty()) {
    shown = FilteredRows(*rows_, filters);
  } else if (sortColumn_ >= 0) {
    shown.resize(static_cast<size_t>(std::max(records, 0)));
    std::iota(shown.begin(), shown.end(), 1);
  }
  if (sortColumn_ >= 0) SortRows(*rows_, shown, sortColumn_, FieldOf(sortColumn_), page_, descending_);
  if (filters.empty() && sortColumn_ < 0) {
    context_.grid.ClearViewRows();
  } else {
    context_.grid.SetViewRows(std::move(shown));
  }
  context_.grid.ShowSortMark(sortColumn_, descending_);
  count_.setText(filters.empty() ? QString()
                                 : ui::Tr("TRecordView", "Отбор: %1 из %2")
                                       .arg(context_.grid.ShownRowCount())
                                       .arg(records));
}
