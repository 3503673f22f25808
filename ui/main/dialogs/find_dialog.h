// The find dialog: a window beside the main window that finds text in the
// record grid's cells as they are drawn, in every field's column or in one,
// with or without matching case, going forwards or backwards from the
// current cell. The cell found becomes the current cell; when no cell holds
// the text the user is told so.
#pragma once

#include "table_context.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class TFindDialog : public QDialog {
 public:
  TFindDialog(const TableContext& context, QWidget* parent);

  // "Найти": shows the dialog with the table's columns to choose from.
  void ShowFind();
  // "Найти далее" / "Найти назад": searches with what the dialog holds;
  // with no text yet it shows the dialog instead.
  void FindNext();
  void FindPrevious();

  QLineEdit* Edit1;        // the text
  QComboBox* ComboBox1;    // "Все столбцы", then the fields' names
  QCheckBox* cbMatchCase;  // "Учитывать регистр"
  QPushButton *bNext, *bPrevious, *bClose;

 private:
  void Find(bool backwards);
  void FillColumns();

  const TableContext& context_;
};
