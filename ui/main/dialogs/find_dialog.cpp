#include "find_dialog.h"

#include "code_page.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "qt_translations.h"
#include "record_search.h"
#include "record_store.h"
#include "string_grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFindDialog::TFindDialog(const TableContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setWindowTitle(ui::Tr("TFindDialog", "Поиск"));
  auto* layout = new QGridLayout(this);
  Edit1 = new QLineEdit(this);
  ComboBox1 = new QComboBox(this);
  cbMatchCase = new QCheckBox(ui::Tr("TFindDialog", "Учитывать регистр"), this);
  bNext = new QPushButton(ui::Tr("TFindDialog", "Найти далее"), this);
  bPrevious = new QPushButton(ui::Tr("TFindDialog", "Найти назад"), this);
  bClose = new QPushButton(ui::Tr("TFindDialog", "Закрыть"), this);
  bNext->setDefault(true);
  auto* textLabel = new QLabel(ui::Tr("TFindDialog", "Найти:"), this);
  textLabel->setBuddy(Edit1);
  auto* columnLabel = new QLabel(ui::Tr("TFindDialog", "В столбце:"), this);
  columnLabel->setBuddy(ComboBox1);
  layout->addWidget(textLabel, 0, 0);
  layout->addWidget(Edit1, 0, 1);
  layout->addWidget(bNext, 0, 2);
  layout->addWidget(columnLabel, 1, 0);
  layout->addWidget(ComboBox1, 1, 1);
  layout->addWidget(bPrevious, 1, 2);
  layout->addWidget(cbMatchCase, 2, 1);
  layout->addWidget(bClose, 2, 2);
  context_.Hook(bNext, [this] { FindNext(); });
  context_.Hook(bPrevious, [this] { FindPrevious(); });
  connect(bClose, &QPushButton::clicked, this, &QDialog::hide);
}

void TFindDialog::FillColumns() {
  QStringList items{ui::Tr("TFindDialog", "Все столбцы")};
  for (int col = 1; col < context_.grid.ColCount(); ++col) {
    items << ui::DecodeCell(context_.grid.Cell(0, col), context_.table.Page()).trimmed();
  }
  QStringList shown;
  for (int i = 0; i < ComboBox1->count(); ++i) shown << ComboBox1->itemText(i);
  if (items == shown) return;  // the same columns: the one chosen stays
  ComboBox1->clear();
  ComboBox1->addItems(items);
}

void TFindDialog::ShowFind() {
  if (!context_.GridShown()) return;
  FillColumns();
  show();
  raise();
  activateWindow();
  Edit1->setFocus();
  Edit1->selectAll();
}

void TFindDialog::FindNext() { Find(false); }

void TFindDialog::FindPrevious() { Find(true); }

void TFindDialog::Find(bool backwards) {
  if (!context_.GridShown()) return;
  RecordStore* rows = context_.table.Rows();
  if (!rows) return;
  if (Edit1->text().isEmpty()) return ShowFind();
  FillColumns();
  const RecordSearch search({Edit1->text(), ComboBox1->currentIndex(), cbMatchCase->isChecked()},
                            context_.table.Page());
  const ui::StringGrid& grid = context_.grid;
  const ShownRows shown = grid.ViewOrdered()
                             ? ShownRows{grid.ShownRowCount(), [&grid](int place) { return grid.GridRow(place + 1); },
                                         [&grid](int row) { return grid.ViewRow(row) - 1; }}
                             : ShownRows{};
  const auto found = search.Find(*rows, {grid.Row(), grid.Col()}, backwards, shown);
  if (!found) {
    context_.dialogs.Message(
        dbf::FillText(dbf::Tr("TFindDialog", "Текст \"%1\" не найден."), {Edit1->text().toStdString()}));
    return;
  }
  context_.grid.SetSelectedCell(found->row, found->col);
}
