// The sort panel Panel3: up to 30 sort keys (a field name and a direction
// each) in the key grid StringGrid2, the name of the output file, and the run
// that has the engine write the table at TablePath, sorted, into that file.
// The window keeps showing the current table.
#pragma once

#include "table_context.h"

#include "string_grid.h"
#include "task_panel.h"

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
namespace dbf {
enum class SortOutcome;
}

class TSortPanel : public TaskPanel {
 public:
  // Builds the panel over the window's grid area and hooks Sortedfile1.
  explicit TSortPanel(const TableContext& context);

  void Sortedfile1Click();           // "Sorted file"
  void ComboBox1KeyPress();          // Enter in, or a pick from, "Количество сортируемых полей"
  void StringGrid2KeyPress(int& key);  // Enter in the key grid
  void Button7Click();               // "Name file after sorted"
  void Button1Click();               // "Sorted"
  // Button6 "Exit" closes the panel.

  QLabel *Label6, *Label8, *Label9, *Label10;
  ui::StringGrid* StringGrid2;
  QComboBox* ComboBox1;
  QLineEdit* Edit5;
  QPushButton *Button7, *Button1, *Button6;

 private:
  struct FieldLookup {
    std::optional<std::string> header;  // the header text of the field found
    std::string wanted;                 // the name looked for, trimmed and in capitals
    std::string lastCompared;           // the last header text compared, likewise
  };
  // Looks the name of a key row up among the record grid's header cells.
  FieldLookup FindField(int row) const;
  // The direction in a key row: 1 or 2, nothing for anything else.
  std::optional<int> Direction(int row) const;
  // Writes the direction's text into a key row; false, after the message,
  // when the row holds no valid direction.
  bool ConfirmDirection(int row);
  void ShowWrongName(const FieldLookup& lookup);
  void SetKeyCount(int count);
  void ReopenEditor();
  // Has the engine write the table, sorted by the key rows, into `output`.
  // A failure part way leaves no partial file: a new output is removed
  // again, and one that was there gives way only to a complete copy.
  dbf::SortOutcome SortInto(const std::string& output);

  const TableContext context_;
};
