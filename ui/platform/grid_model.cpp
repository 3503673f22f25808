#include "grid_model.h"

#include "byte_arena_store.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

namespace ui {

namespace {

// Locked cells are drawn pale blue, those that could not be read pale red.
const QColor kLockedTint(0xDD, 0xEB, 0xF7);
const QColor kFaultTint(0xF8, 0xD7, 0xD7);

}  // namespace

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent), ownStore_(std::make_unique<ByteArenaStore>()), store_(ownStore_.get()) {}

template <typename F>
void GridModel::Reshape(F change) {
  if (batching_) {
    change();
    return;
  }
  beginResetModel();
  change();
  view_.Fit(store_->RowCount());
  endResetModel();
}

void GridModel::BeginBatch() {
  beginResetModel();
  batching_ = true;
}

void GridModel::EndBatch() {
  batching_ = false;
  view_.Fit(store_->RowCount());
  endResetModel();
}

void GridModel::SetStore(std::unique_ptr<CellStore> store) {
  Reshape([&] {
    ownStore_ = store ? std::move(store) : std::make_unique<ByteArenaStore>();
    store_ = ownStore_.get();
    cornerTitle_ = QString();
    view_.Clear();
  });
}

void GridModel::ShowStore(CellStore& store) {
  Reshape([&] {
    store_ = &store;
    ownStore_.reset();
    cornerTitle_ = QString();
    view_.Clear();
  });
}

void GridModel::SetCornerTitle(QString title) { cornerTitle_ = std::move(title); }

void GridModel::SetView(std::vector<int32_t> gridRows) {
  Reshape([&] { view_.Set(std::move(gridRows), store_->RowCount()); });
}

void GridModel::ClearView() {
  Reshape([&] { view_.Clear(); });
}

void GridModel::SetCell(int gridRow, int gridCol, std::string_view bytes) {
  store_->SetCell(gridRow, gridCol, bytes);
  if (!batching_) CellChanged(gridRow, gridCol);
}

void GridModel::SetRow(int gridRow, const std::vector<std::string_view>& cells) {
  store_->SetRow(gridRow, cells.data(), static_cast<int>(cells.size()));
  if (!batching_) RowChanged(gridRow);
}

void GridModel::InsertRow(int gridRow) {
  Reshape([&] {
    store_->InsertRow(gridRow);
    view_.RowInserted(gridRow);
  });
}

void GridModel::SetFixed(int rows, int cols) {
  Reshape([&] {
    fixedRows_ = rows;
    fixedCols_ = cols;
  });
}

void GridModel::SetCodePage(CodePage page) {
  Reshape([&] { page_ = page; });
}

QString GridModel::Decoded(int gridRow, int gridCol) const {
  if (gridRow == 0 && gridCol == 0 && !cornerTitle_.isNull()) return cornerTitle_;
  return DecodeCell(store_->Cell(gridRow, gridCol), page_);
}

void GridModel::CellChanged(int gridRow, int gridCol) {
  const int col = gridCol - HeaderCols();
  if (gridRow < HeaderRows()) {
    if (col >= 0) emit headerDataChanged(Qt::Horizontal, col, col);
    return;
  }
  const int row = ModelRowOf(gridRow);
  if (row < 0) return;
  if (col < 0) {
    emit headerDataChanged(Qt::Vertical, row, row);
    return;
  }
  emit dataChanged(index(row, col), index(row, col));
}

void GridModel::RowChanged(int gridRow) {
  if (gridRow < HeaderRows()) {
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    return;
  }
  const int row = ModelRowOf(gridRow);
  if (row < 0) return;
  if (HeaderCols() > 0) emit headerDataChanged(Qt::Vertical, row, row);
  if (columnCount() > 0) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void GridModel::Reset() {
  Reshape([] {});
}

int GridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return view_.Active() ? view_.Size() : std::max(0, store_->RowCount() - HeaderRows());
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(0, store_->ColumnCount() - HeaderCols());
}

bool GridModel::IsFixed(const QModelIndex& index) const {
  return GridRowOf(index.row()) < fixedRows_ || index.column() + HeaderCols() < fixedCols_;
}

bool GridModel::Locked(int gridRow, int gridCol) const {
  return lockedCell && shownCell && gridRow >= fixedRows_ && gridCol >= fixedCols_ && lockedCell(gridRow, gridCol);
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int gridRow = GridRowOf(index.row());
  const int gridCol = index.column() + HeaderCols();
  if (role != Qt::TextAlignmentRole && Locked(gridRow, gridCol)) return LockedData(gridRow, gridCol, role);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return Decoded(gridRow, gridCol);
    case Qt::BackgroundRole:
      if (IsFixed(index)) return QApplication::palette().button();
      return {};
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
      return {};
  }
}

QVariant GridModel::LockedData(int gridRow, int gridCol, int role) const {
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return shownCell(gridRow, gridCol).text;
    case Qt::BackgroundRole:
      return QBrush(shownCell(gridRow, gridCol).fault ? kFaultTint : kLockedTint);
    case Qt::ToolTipRole:
      return shownCell(gridRow, gridCol).tip;
    default:
      return {};
  }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const int gridRow = GridRowOf(index.row());
  const int gridCol = index.column() + HeaderCols();
  // A cell changes only when its text did: an editor that merely visited it
  // hands back the text it was shown.
  const QString typed = value.toString();
  if (typed == Decoded(gridRow, gridCol)) return true;
  QString refused;
  const std::optional<std::string> encoded = EncodeCellText(typed, page_, refused);
  if (!encoded) {
    emit Refused(refused);
    return false;
  }
  const std::string& bytes = *encoded;
  if (const std::optional<QString> reason = checkTyped ? checkTyped(gridRow, gridCol, bytes) : std::nullopt) {
    emit TypedRefused(gridRow, gridCol, *reason);
    return false;
  }
  store_->SetCell(gridRow, gridCol, bytes);
  emit dataChanged(index, index);
  emit Edited(gridRow, gridCol, bytes);
  return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
  }
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) {
    return HeaderRows() ? Decoded(0, section + HeaderCols()) : QVariant();
  }
  return HeaderCols() ? Decoded(GridRowOf(section), 0) : QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (editable_ && !IsFixed(index) && !Locked(GridRowOf(index.row()), index.column() + HeaderCols())) {
    f |= Qt::ItemIsEditable;
  }
  return f;
}

}  // namespace ui
