#include "string_grid.h"

#include "grid_model.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include <algorithm>

namespace ui {

namespace {

constexpr int kDefaultColWidth = 64;
constexpr int kDefaultRowHeight = 24;

bool IsRedo(const QKeyEvent& event) {
  return event.matches(QKeySequence::Redo) || event.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

// Ctrl+Z or Ctrl+Y in a line editor that has nothing to undo or redo.
bool NothingToUndo(QObject* editor, const QKeyEvent& event) {
  const auto* line = qobject_cast<const QLineEdit*>(editor);
  if (!line) return false;
  if (event.matches(QKeySequence::Undo)) return !line->isUndoAvailable();
  return IsRedo(event) && !line->isRedoAvailable();
}

bool IsEnter(const QKeyEvent& event) { return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter; }

// A key that would change a cell's text: a printable character, Backspace
// or Delete.
bool IsTyping(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete) return true;
  return !event.text().isEmpty() && event.text().front().isPrint();
}

}  // namespace

// Hands every keystroke of a cell editor to the grid's onKeyPress before the
// editor's own handling (Enter, Escape, Tab) sees it.
class GridEditorDelegate : public QStyledItemDelegate {
 public:
  explicit GridEditorDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    grid_->EditorCreated(editor);
    return editor;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && grid_->FilterKey(static_cast<QKeyEvent*>(event))) {
      return true;
    }
    // Left unaccepted, the keystroke goes on to the window's shortcuts.
    if (event->type() == QEvent::ShortcutOverride && NothingToUndo(watched, *static_cast<QKeyEvent*>(event))) {
      return true;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
  }

 private:
  StringGrid* grid_;
};


StringGrid::StringGrid(QWidget* parent)
    : QTableView(parent), ownModel_(new GridModel(this)), model_(ownModel_) {
  setModel(model_);
  Follow(*model_);
  setItemDelegate(new GridEditorDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setWordWrap(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
  verticalHeader()->setHighlightSections(false);
  verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
  corner_ = findChild<QAbstractButton*>();
  if (corner_) corner_->installEventFilter(this);
  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int section, int, int newSize) {
            const size_t col = static_cast<size_t>(section + model_->HeaderCols());
            if (col < colWidths_.size()) colWidths_[col] = newSize;
            if (!applyingHeaders_ && onColWidthDragged) onColWidthDragged(static_cast<int>(col), newSize);
          });
  connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (onDoubleClick) onDoubleClick(model_->GridRowOf(index.row()), index.column() + model_->HeaderCols());
  });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
    if (onHeadingClick) onHeadingClick(section + model_->HeaderCols());
  });
  SetOptions(GridOption::FixedVertLine | GridOption::FixedHorzLine | GridOption::VertLine |
             GridOption::HorzLine);
  ApplyHeaders();
}

StringGrid::~StringGrid() = default;

void StringGrid::Follow(GridModel& model) {
  for (const QMetaObject::Connection& connection : following_) disconnect(connection);
  following_ = {
      connect(&model, &GridModel::Refused, this,
              [this](const QString& character) {
                if (onTextRefused) onTextRefused(character);
              }),
      connect(&model, &GridModel::Edited, this,
              [this](int row, int col, const std::string& bytes) {
                if (onSetEditText) onSetEditText(row, col, bytes);
              }),
      connect(&model, &GridModel::TypedRefused, this,
              [this](int row, int col, const QString& reason) {
                if (onTypedRefused) onTypedRefused(row, col, reason);
              }),
      // A reset of the model, whoever made it, lays out the headings anew.
      connect(&model, &QAbstractItemModel::modelReset, this,
              [this] { ApplyHeaders(); }),
  };
}

void StringGrid::ShowModel(GridModel& model) {
  if (&model == model_) return;
  CloseOpenEditor();
  QItemSelectionModel* selection = selectionModel();
  model_ = &model;
  setModel(model_);
  delete selection;
  Follow(model);
  model_->SetEditable(options_.testFlag(GridOption::Editing));
  ApplyHeaders();
}

void StringGrid::ShowOwnModel() { ShowModel(*ownModel_); }

CellStore& StringGrid::Store() { return model_->Store(); }

void StringGrid::SetStore(std::unique_ptr<CellStore> store) {
  CloseOpenEditor();
  DropView();
  model_->SetStore(std::move(store));
  ApplyHeaders();
}

void StringGrid::StoreChanged() { Refresh(); }

int StringGrid::RowCount() const { return model_->Store().RowCount(); }
int StringGrid::ColCount() const { return model_->Store().ColumnCount(); }

void StringGrid::SetRowCount(int rows) {
  if (rows == RowCount()) return;
  CloseOpenEditor();
  Store().Resize(rows, ColCount());
  Refresh();
}

void StringGrid::SetColCount(int cols) {
  if (cols == ColCount()) return;
  CloseOpenEditor();
  Store().Resize(RowCount(), cols);
  colWidths_.resize(static_cast<size_t>(cols), -1);
  Refresh();
}

void StringGrid::Clear() {
  CloseOpenEditor();
  DropView();
  Store().Resize(0, 0);
  model_->SetCornerTitle(QString());
  colWidths_.clear();
  Refresh();
}

int StringGrid::FixedRows() const { return model_->FixedRows(); }
int StringGrid::FixedCols() const { return model_->FixedCols(); }

void StringGrid::SetFixedRows(int rows) {
  if (rows == FixedRows()) return;
  CloseOpenEditor();
  model_->SetFixed(rows, FixedCols());
  ApplyHeaders();
}

void StringGrid::SetFixedCols(int cols) {
  if (cols == FixedCols()) return;
  CloseOpenEditor();
  model_->SetFixed(FixedRows(), cols);
  ApplyHeaders();
}

std::string StringGrid::Cell(int row, int col) const {
  if (row == 0 && col == 0 && !model_->CornerTitle().isNull()) return EncodeTyped(model_->CornerTitle(), Page());
  return std::string(model_->Store().Cell(row, col));
}

void StringGrid::SetCell(int row, int col, std::string_view bytes) { model_->SetCell(row, col, bytes); }

void StringGrid::SetRow(int row, const std::vector<std::string_view>& cells) { model_->SetRow(row, cells); }

std::string StringGrid::EditText() const {
  const auto* line = qobject_cast<const QLineEdit*>(editor_.data());
  if (line && line->isVisible()) return EncodeTyped(line->text());
  return Cell(Row(), Col());
}

void StringGrid::InsertRow(int row) {
  CloseOpenEditor();
  // The cursor keeps its place on screen, on whichever row shows there now.
  const QModelIndex current = currentIndex();
  model_->InsertRow(row);
  if (batchDepth_ > 0) return;
  revertingSelection_ = true;
  SetSelectedCell(current.isValid() ? model_->GridRowOf(current.row()) : FixedRows(),
                  current.isValid() ? current.column() + model_->HeaderCols() : FixedCols());
  revertingSelection_ = false;
}

void StringGrid::SetViewRows(std::vector<int32_t> gridRows) {
  CloseOpenEditor();
  const int row = Row();
  const int col = Col();
  model_->SetView(std::move(gridRows));
  Reselect(row, col);
}

void StringGrid::ClearViewRows() {
  if (!ViewOrdered()) return;
  CloseOpenEditor();
  const int row = Row();
  const int col = Col();
  model_->ClearView();
  Reselect(row, col);
}

void StringGrid::DropView() {
  if (!ViewOrdered()) return;
  model_->ClearView();
  ShowSortMark(-1, false);
}

bool StringGrid::ViewOrdered() const { return model_->View().Active(); }

int StringGrid::ShownRowCount() const { return model_->rowCount(); }

int StringGrid::GridRow(int viewRow) const {
  const int headerRows = model_->HeaderRows();
  if (viewRow < headerRows || viewRow - headerRows >= ShownRowCount()) return viewRow;
  return model_->GridRowOf(viewRow - headerRows);
}

int StringGrid::ViewRow(int gridRow) const {
  const int headerRows = model_->HeaderRows();
  if (gridRow < headerRows) return gridRow;
  const int place = model_->ModelRowOf(gridRow);
  return place < 0 ? -1 : place + headerRows;
}

void StringGrid::ShowSortMark(int col, bool descending) {
  const int section = col - model_->HeaderCols();
  horizontalHeader()->setSortIndicatorShown(section >= 0);
  if (section >= 0) horizontalHeader()->setSortIndicator(section, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void StringGrid::Reselect(int row, int col) {
  if (batchDepth_ > 0) return;
  ApplyHeaders();
  revertingSelection_ = true;
  SetSelectedCell(ViewRow(row) >= 0 ? row : GridRow(model_->HeaderRows()), col);
  revertingSelection_ = false;
  if (currentIndex().isValid()) scrollTo(currentIndex());
}

StringGrid::BatchUpdate::BatchUpdate(StringGrid& grid) : grid_(grid) {
  if (grid_.batchDepth_++ == 0) {
    grid_.CloseOpenEditor();
    grid_.model_->BeginBatch();
  }
  grid_.Store().BeginGroup();
}

StringGrid::BatchUpdate::~BatchUpdate() {
  grid_.Store().EndGroup();
  if (--grid_.batchDepth_ == 0) {
    grid_.model_->EndBatch();
    grid_.ApplyHeaders();
  }
}

void StringGrid::SetOptions(GridOptions options) {
  const bool wasEditing = options_.testFlag(GridOption::Editing);
  options_ = options;
  const bool editing = options.testFlag(GridOption::Editing);
  if (wasEditing && !editing) CloseOpenEditor();
  model_->SetEditable(editing);
  setShowGrid(options.testFlag(GridOption::VertLine) || options.testFlag(GridOption::HorzLine));
  horizontalHeader()->setSectionResizeMode(options.testFlag(GridOption::ColSizing)
                                               ? QHeaderView::Interactive
                                               : QHeaderView::Fixed);
  setTabKeyNavigation(options.testFlag(GridOption::Tabs));
  setSelectionMode(options.testFlag(GridOption::RangeSelect) ? QAbstractItemView::ContiguousSelection
                                                             : QAbstractItemView::SingleSelection);
  setSelectionBehavior(options.testFlag(GridOption::RowSelect) ? QAbstractItemView::SelectRows
                                                               : QAbstractItemView::SelectItems);
  if (!editing) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
  } else if (options.testFlag(GridOption::AlwaysShowEditor)) {
    setEditTriggers(QAbstractItemView::AllEditTriggers);
  } else {
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
  }
  const QModelIndex current = currentIndex();
  if (current.isValid()) {
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect |
                                                   (options.testFlag(GridOption::RowSelect)
                                                        ? QItemSelectionModel::Rows
                                                        : QItemSelectionModel::NoUpdate));
    if (editing && options.testFlag(GridOption::AlwaysShowEditor)) edit(current);
  }
}

int StringGrid::Row() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? model_->GridRowOf(current.row()) : FixedRows();
}

int StringGrid::Col() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.column() + model_->HeaderCols() : FixedCols();
}

void StringGrid::SetSelectedCell(int row, int col) {
  const int modelRow = row < model_->HeaderRows() ? -1 : model_->ModelRowOf(row);
  const QModelIndex target = model_->index(modelRow, col - model_->HeaderCols());
  if (!target.isValid()) return;
  selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                (options_.testFlag(GridOption::RowSelect)
                                                     ? QItemSelectionModel::Rows
                                                     : QItemSelectionModel::NoUpdate));
}

StringGrid::Block StringGrid::SelectedBlock() const {
  Block block{Row(), Col(), Row(), Col()};
  const QItemSelection selection = selectionModel()->selection();
  if (selection.isEmpty()) return block;
  const QItemSelectionRange& range = selection.first();
  return {range.top() + model_->HeaderRows(), range.left() + model_->HeaderCols(),
          range.bottom() + model_->HeaderRows(), range.right() + model_->HeaderCols()};
}

QString StringGrid::BlockText(const Block& block) const {
  QStringList lines;
  for (int row = block.top; row <= block.bottom; ++row) {
    QStringList cells;
    for (int col = block.left; col <= block.right; ++col) {
      cells.push_back(model_->index(row - model_->HeaderRows(), col - model_->HeaderCols()).data().toString());
    }
    lines.push_back(cells.join(QLatin1Char('\t')));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

int StringGrid::ColWidth(int col) const {
  if (col < 0 || col >= ColCount()) return 0;
  const int width = static_cast<size_t>(col) < colWidths_.size() ? colWidths_[static_cast<size_t>(col)] : -1;
  return width >= 0 ? width : defaultColWidth_;
}

// The model may have been given more columns while the grid waited for the
// end of a batch.
void StringGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) return;
  if (static_cast<size_t>(col) >= colWidths_.size()) colWidths_.resize(static_cast<size_t>(ColCount()), -1);
  colWidths_[static_cast<size_t>(col)] = width;
  ApplyHeaders();
}

void StringGrid::SetDefaultColWidth(int width) {
  defaultColWidth_ = width;
  horizontalHeader()->setDefaultSectionSize(width);
  ApplyHeaders();
}

void StringGrid::SetDefaultRowHeight(int height) { verticalHeader()->setDefaultSectionSize(height); }

bool StringGrid::CellLocked(int row, int col) const { return model_->Locked(row, col); }

CodePage StringGrid::Page() const { return model_->Page(); }

void StringGrid::SetCodePage(CodePage page) {
  if (page == Page()) return;
  CloseOpenEditor();
  if (batchDepth_ > 0) {
    model_->SetCodePage(page);
    return;
  }
  const int row = Row();
  const int col = Col();
  model_->SetCodePage(page);
  ApplyHeaders();
  revertingSelection_ = true;
  SetSelectedCell(row, col);
  revertingSelection_ = false;
}

int StringGrid::KeyCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    default:
      return event.text().isEmpty() ? 0 : event.text().front().unicode();
  }
}

bool StringGrid::FilterKey(QKeyEvent* event) {
  int key = KeyCode(*event);
  if (key == 0 || !onKeyPress) return false;
  onKeyPress(key);
  return key == 0;
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
  if (FilterKey(event)) return;
  if (options_.testFlag(GridOption::RangeSelect) && event->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(BlockText(SelectedBlock()));
    return;
  }
  const bool editing = options_.testFlag(GridOption::Editing);
  if (editing && onPaste && event->matches(QKeySequence::Paste)) {
    onPaste(QGuiApplication::clipboard()->text());
    return;
  }
  if (editing && IsEnter(*event) && state() != EditingState && currentIndex().isValid()) {
    edit(currentIndex());
    return;
  }
  if (options_.testFlag(GridOption::Editing) && CellLocked(Row(), Col()) && IsTyping(*event)) {
    if (onLockedTyped) onLockedTyped(Row(), Col());
    return;
  }
  QTableView::keyPressEvent(event);
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
  const QModelIndex before = currentIndex();
  QTableView::mousePressEvent(event);
  if (currentIndex() == before && before.isValid() && onClick) onClick();
}

void StringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (!revertingSelection_ && current.isValid() && onSelectCell) {
    bool canSelect = true;
    onSelectCell(model_->GridRowOf(current.row()), current.column() + model_->HeaderCols(),
                 canSelect);
    if (!canSelect) {
      revertingSelection_ = true;
      selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect |
                                                      (options_.testFlag(GridOption::RowSelect)
                                                           ? QItemSelectionModel::Rows
                                                           : QItemSelectionModel::NoUpdate));
      revertingSelection_ = false;
      return;
    }
  }
  QTableView::currentChanged(current, previous);
  if (!revertingSelection_ && current.isValid() && onClick) onClick();
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && watched == corner_) {
    PaintCorner();
    return true;
  }
  return QTableView::eventFilter(watched, event);
}

void StringGrid::PaintCorner() {
  QPainter painter(corner_);
  QStyleOptionHeader option;
  option.initFrom(corner_);
  option.rect = corner_->rect();
  option.position = QStyleOptionHeader::OnlyOneSection;
  option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  if (model_->HeaderRows() && model_->HeaderCols()) option.text = model_->Decoded(0, 0);
  style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
}

void StringGrid::EditorCreated(QWidget* editor) { editor_ = editor; }

void StringGrid::CloseOpenEditor() {
  QWidget* editor = editor_;
  editor_ = nullptr;
  // An editor the view closed itself (the current cell moved) is hidden and
  // waits for deletion; its text is already in the cell.
  if (!editor || editor->isHidden()) return;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void StringGrid::Refresh() {
  if (batchDepth_ > 0) return;
  const int row = Row();
  const int col = Col();
  model_->Reset();
  ApplyHeaders();
  revertingSelection_ = true;
  SetSelectedCell(row, col);
  revertingSelection_ = false;
}

void StringGrid::ApplyHeaders() {
  if (batchDepth_ > 0) return;
  const QScopedValueRollback applying(applyingHeaders_, true);
  colWidths_.resize(static_cast<size_t>(ColCount()), -1);
  const int headerCols = model_->HeaderCols();
  horizontalHeader()->setVisible(model_->HeaderRows() > 0);
  verticalHeader()->setVisible(headerCols > 0);
  if (headerCols > 0) verticalHeader()->setFixedWidth(ColWidth(0));
  for (int c = headerCols; c < ColCount(); ++c) {
    const int width = colWidths_[static_cast<size_t>(c)];
    if (width >= 0) horizontalHeader()->resizeSection(c - headerCols, width);
  }
  viewport()->update();
  if (corner_) corner_->update();
}

}  // namespace ui
