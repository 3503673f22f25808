#include "column_widths.h"

#include "string_grid.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int kDesignWidth = 80;
constexpr int kDesignRowHeight = 24;

}  // namespace

void FitRecordColumns(ui::StringGrid& grid, const std::vector<int>& fieldLengths) {
  const QFontMetrics metrics(grid.font());
  // Digits are the widest characters of numbers; letters average out.
  const int perCharacter = std::max(metrics.horizontalAdvance(QLatin1Char('0')), metrics.averageCharWidth());
  const int padding = 2 * metrics.horizontalAdvance(QLatin1Char(' ')) + 8;
  const auto width = [&](int characters) {
    return std::max(kDesignWidth, perCharacter * std::min(characters, kWidestColumn) + padding);
  };
  const int lastNumber = std::max(1, grid.RowCount() - 1);
  const QString widestMark = QString(QString::number(lastNumber).size(), QLatin1Char('0')) + QStringLiteral(" Delete");
  grid.SetColWidth(0, std::max(kDesignWidth, metrics.horizontalAdvance(widestMark) + padding));
  for (size_t i = 0; i < fieldLengths.size(); ++i) {
    const int column = static_cast<int>(i) + 1;
    const int name = static_cast<int>(grid.Cell(0, column).size());
    grid.SetColWidth(column, width(std::max(fieldLengths[i], name)));
  }
  grid.SetDefaultRowHeight(std::max(kDesignRowHeight, metrics.height() + 6));
}
