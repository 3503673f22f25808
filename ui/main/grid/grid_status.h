// The status strip under the record grid: where the cursor is ("Запись
// 12 345 из 1 000 000"), how many rows are marked for deletion, and the code
// page the grid draws. It follows the grid by itself: a move of the cursor,
// a change of a cell, a new fill or another code page shows at once.
#pragma once

#include "code_page.h"

#include <QObject>
#include <QString>

#include <cstdint>

class QLabel;
class QStatusBar;
struct TableContext;

// A count with its thousands apart: "1 000 000".
QString GroupedNumber(int64_t number);
// "Запись 12 345 из 1 000 000".
QString PositionText(int64_t row, int64_t rows);
// "Отмечено: 5".
QString MarkedText(int64_t marked);
// The code page the grid draws as the strip names it: "866 (DOS)",
// "1251 (Windows)", the system's own by its name.
QString DrawnPageText(ui::CodePage page);

class TGridStatus {
 public:
  // Puts its texts into `bar`.
  TGridStatus(const TableContext& context, QStatusBar& bar);

  // Shows the strip as the grid stands now.
  void Show();

 private:
  void ShowPosition();

  const TableContext& context_;
  QObject following_;  // the grid's signals, for as long as the strip lives
  QLabel* position_;
  QLabel* marked_;
  QLabel* page_;
};
