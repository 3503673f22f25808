// The filter line over the record grid: a text box above each column that
// follows its column as the columns are resized and scrolled, and shows and
// hides with the grid. Enter in a box, or leaving a box whose text changed,
// asks for the texts to be applied.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QLineEdit;
namespace ui {
class StringGrid;
}

class FilterLine : public QWidget {
 public:
  FilterLine(ui::StringGrid& grid, QWidget* parent);

  // A box for each grid column, empty; a column whose `usable` is false
  // gets a disabled one.
  void Rebuild(const std::vector<bool>& usable);
  // The text of a column's box ("" for a column without one).
  QString Text(int col) const;
  void SetText(int col, const QString& text);

  std::function<void()> onApply;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Puts each box over its column.
  void Place();

  ui::StringGrid& grid_;
  QWidget* fields_;  // the boxes of the field columns, cut off where the cells are
  std::vector<QLineEdit*> boxes_;  // by grid column
};
