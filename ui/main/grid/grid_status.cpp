#include "grid_status.h"

#include "qt_translations.h"
#include "record_store.h"
#include "string_grid.h"
#include "table_context.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace {

// Column 0 read for the mark as Save reads it.
constexpr size_t kMarkLimit = 20;

}  // namespace

QString GroupedNumber(int64_t number) {
  QString digits = QString::number(number < 0 ? -number : number);
  for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(' '));
  return number < 0 ? QLatin1Char('-') + digits : digits;
}

QString PositionText(int64_t row, int64_t rows) {
  return ui::Tr("TGridStatus", "Запись %1 из %2").arg(GroupedNumber(row), GroupedNumber(rows));
}

QString MarkedText(int64_t marked) { return ui::Tr("TGridStatus", "Отмечено: %1").arg(GroupedNumber(marked)); }

QString DrawnPageText(ui::CodePage page) {
  const QString name = QString::fromStdString(ui::PageName(page));
  if (page == ui::CodePage::SystemDefault) return ui::Tr("TGridStatus", "%1 (системная)").arg(name);
  return name + (ui::IsDosPage(page) ? QStringLiteral(" (DOS)") : QStringLiteral(" (Windows)"));
}

TGridStatus::TGridStatus(const TableContext& context, QStatusBar& bar)
    : context_(context), position_(new QLabel(&bar)), marked_(new QLabel(&bar)), page_(new QLabel(&bar)) {
  bar.addWidget(position_);
  bar.addWidget(marked_);
  bar.addPermanentWidget(page_);
  ui::StringGrid& grid = context_.grid;
  const auto show = [this] { Show(); };
  // A move of the cursor changes the position alone: the marks are not
  // counted again.
  QObject::connect(grid.selectionModel(), &QItemSelectionModel::currentChanged, &following_, [this] {
    if (!position_->isHidden()) ShowPosition();
  });
  const ui::GridModel& rows = context_.table.Model();
  QObject::connect(&rows, &QAbstractItemModel::modelReset, &following_, show);
  QObject::connect(&rows, &QAbstractItemModel::dataChanged, &following_, show);
  QObject::connect(&rows, &QAbstractItemModel::headerDataChanged, &following_, show);
  Show();
}

void TGridStatus::Show() {
  const RecordStore* rows = context_.table.Rows();
  const ui::StringGrid& grid = context_.grid;
  const bool shown = rows && !grid.isHidden();
  position_->setVisible(shown);
  marked_->setVisible(shown);
  page_->setVisible(shown);
  if (!shown) return;
  ShowPosition();
  marked_->setText(MarkedText(rows->MarkedCount(kMarkLimit)));
  page_->setText(DrawnPageText(grid.Page()));
}

void TGridStatus::ShowPosition() {
  const ui::StringGrid& grid = context_.grid;
  position_->setText(PositionText(std::max(grid.Row(), 1), grid.RowCount() - 1));
}
