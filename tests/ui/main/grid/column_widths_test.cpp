#include "main_window_fixture.h"

#include <QFontMetrics>
#include <QHeaderView>

// After a font choice every column shows its field's whole length and the
// record number with its mark, and a row the font's height; where the design
// width of 80 is enough it stays.
TEST_F(MainWindowTest, ColumnsFitTheirFieldsInTheChosenFont) {
  OpenFromMenu(WritePeople());  // NAME C10, SUM N8.2, OK L1; three records
  const int lengths[] = {10, 8, 1};
  for (const int size : {8, 16, 26}) {
    SCOPED_TRACE(size);
    dialogs.fontAnswers.push_back(QFont(QStringLiteral("DejaVu Sans"), size));
    form->Controls().N4->trigger();
    const QFontMetrics metrics(form->Controls().StringGrid1->font());
    ui::StringGrid& grid = *form->Controls().StringGrid1;
    EXPECT_GE(grid.ColWidth(0), std::max(80, metrics.horizontalAdvance(QStringLiteral("3 Delete"))));
    for (int column = 1; column <= 3; ++column) {
      const int needed = metrics.horizontalAdvance(QString(lengths[column - 1], QLatin1Char('9')));
      EXPECT_GE(grid.ColWidth(column), needed) << column;
      if (needed + 30 < 80) {
        EXPECT_EQ(grid.ColWidth(column), 80) << column;
      }
    }
    EXPECT_GE(grid.verticalHeader()->defaultSectionSize(), std::max(24, metrics.height()));
  }
}
