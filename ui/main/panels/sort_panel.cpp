#include "sort_panel.h"

#include "code_page.h"
#include "companion_files.h"
#include "dbf2_lib.h"
#include "dbf_file.h"
#include "dbf_names.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "enter_key.h"
#include "event_guard.h"
#include "file_name.h"
#include "int_text.h"
#include "output_name.h"
#include "progress.h"
#include "qt_translations.h"
#include "safe_write.h"
#include "string_grid.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>


namespace {

constexpr uint16_t kSource = 1;
constexpr uint16_t kTarget = 2;
constexpr int kNameColumn = 1;
constexpr int kDirectionColumn = 2;
constexpr int kDirectionTextColumn = 3;
constexpr int kMaxKeys = 30;
constexpr size_t kNameLimit = 50;
const char kNotSorted[] = DBF_TR_NOOP("TSortPanel", "Сортировка не выполнена!\r\n");

std::string Limited(std::string text) {
  if (text.size() > kNameLimit) text.resize(kNameLimit);
  return text;
}

// Cell text trimmed and in capitals, as key names and header texts are compared.
std::string Comparable(std::string_view cell) { return Limited(dbf::UpperAnsi(dbf::TrimName(cell))); }

std::string DirectionText(int direction) {
  return ui::EncodeTyped(direction == 1 ? ui::Tr("TSortPanel", "по возрастанию") : ui::Tr("TSortPanel", "по убыванию"));
}

// Ends the replacement of an output file by a sort that wrote nothing.
struct NothingSorted {};

// Cell bytes as the grid shows them, for a message.
std::string AsShown(const ui::StringGrid& grid, const std::string& bytes) {
  return ui::DecodeCell(bytes, grid.Page()).toStdString();
}

}  // namespace

TSortPanel::TSortPanel(const TableContext& context)
    : TaskPanel({ui::Tr("TSortPanel", "Сортировка файла типа \"DBF\"")}, QStringLiteral("Exit"), context.guard,
                &context.panelArea),
      context_(context) {
  Label8 = new QLabel(ui::Tr("TSortPanel", "Вид сортировки :"), this);
  Label9 = new QLabel(ui::Tr("TSortPanel", "1 - по возростанию"), this);
  Label10 = new QLabel(ui::Tr("TSortPanel", "2 - по убыванию"), this);
  StringGrid2 = new ui::StringGrid(this);
  StringGrid2->SetColCount(4);
  StringGrid2->SetRowCount(2);
  StringGrid2->SetFixedCols(1);
  StringGrid2->SetFixedRows(1);
  StringGrid2->SetOptions(ui::GridOption::FixedVertLine | ui::GridOption::FixedHorzLine |
                          ui::GridOption::VertLine | ui::GridOption::HorzLine |
                          ui::GridOption::Editing | ui::GridOption::AlwaysShowEditor);
  Label6 = new QLabel(ui::Tr("TSortPanel", "Количество сортируемых полей"), this);
  ComboBox1 = new QComboBox(this);
  for (int k = 1; k <= kMaxKeys; ++k) ComboBox1->addItem(QString::number(k));
  Edit5 = new QLineEdit(this);
  Button7 = new QPushButton(QStringLiteral("Name file after sorted"), this);
  Button1 = new QPushButton(QStringLiteral("Sorted"), this);
  Button6 = ExitButton();

  auto* legend = new QGridLayout;
  legend->addWidget(Label8, 0, 0, 2, 1);
  legend->addWidget(Label9, 0, 1);
  legend->addWidget(Label10, 1, 1);
  auto* keys = new QGridLayout;
  keys->addWidget(Label6, 0, 0);
  keys->addWidget(ComboBox1, 0, 1);
  keys->addWidget(Edit5, 1, 0);
  keys->addWidget(Button7, 1, 1);
  keys->addWidget(Button1, 2, 1);
  Body()->addLayout(legend);
  Body()->addWidget(StringGrid2, 1);
  Body()->addLayout(keys);
  SetDesignSize({460, 480});

  context_.Hook(Button7, [this] { Button7Click(); });
  context_.Hook(Button1, [this] { Button1Click(); });
  StringGrid2->onKeyPress = [this](int& key) { context_.guard.Run([this, &key] { StringGrid2KeyPress(key); }); };
  OnEnterKey(ComboBox1, context_.guard.Guarded([this] { ComboBox1KeyPress(); }));
  // A count picked from the list, by mouse or keys, counts as Enter does.
  connect(ComboBox1, &QComboBox::activated, this, context_.guard.Guarded([this] { ComboBox1KeyPress(); }));
}

void TSortPanel::Sortedfile1Click() {
  Open([this] {
    ComboBox1->setCurrentIndex(0);
    StringGrid2->SetFixedCols(1);
    StringGrid2->SetFixedRows(1);
    StringGrid2->SetRowCount(2);
    StringGrid2->SetRow(0, {"", "Name Field", "Type Sorted", "Name type sorted"});
    StringGrid2->SetCell(1, 0, "1");
    const int widths[] = {30, 90, 70, 105};
    for (int c = 0; c < 4; ++c) StringGrid2->SetColWidth(c, widths[c]);
  });
}

void TSortPanel::ComboBox1KeyPress() {
  SetKeyCount(ComboBox1->currentIndex() + 1);
  StringGrid2->setFocus();
}

void TSortPanel::SetKeyCount(int count) {
  StringGrid2->SetRowCount(count + 1);
  for (int k = 1; k <= count; ++k) StringGrid2->SetCell(k, 0, ui::RightAligned(k, 2));
}

void TSortPanel::StringGrid2KeyPress(int& key) {
  if (key != 13) return;
  key = 0;
  StringGrid2->CommitEdit();
  const int col = StringGrid2->Col();
  const int row = StringGrid2->Row();
  if (col >= kDirectionColumn && row == StringGrid2->RowCount() - 1) {
    ConfirmDirection(row);
  } else if (col == kNameColumn) {
    const FieldLookup lookup = FindField(row);
    if (lookup.header) {
      StringGrid2->SetCell(row, kNameColumn, *lookup.header);
      StringGrid2->SetSelectedCell(row, kDirectionColumn);
    } else {
      ShowWrongName(lookup);
    }
  } else if (col >= kDirectionColumn && ConfirmDirection(row)) {
    StringGrid2->SetSelectedCell(row + 1, kNameColumn);
  }
  ReopenEditor();
}

// The key grid always shows its editor; Enter closed it to read the cell,
// and moving to another cell has opened a new one unless the selection stayed.
void TSortPanel::ReopenEditor() {
  const QModelIndex current = StringGrid2->currentIndex();
  if (current.isValid() && !StringGrid2->indexWidget(current)) StringGrid2->edit(current);
}

TSortPanel::FieldLookup TSortPanel::FindField(int row) const {
  FieldLookup lookup;
  lookup.wanted = Comparable(StringGrid2->Cell(row, kNameColumn));
  const ui::StringGrid& records = context_.grid;
  for (int col = 1; col < records.ColCount(); ++col) {
    const std::string header = records.Cell(0, col);
    lookup.lastCompared = Comparable(header);
    if (lookup.lastCompared == lookup.wanted) {
      lookup.header = Limited(dbf::TrimName(header));
      break;
    }
  }
  return lookup;
}

void TSortPanel::ShowWrongName(const FieldLookup& lookup) {
  context_.dialogs.Message(
      dbf::FillText(dbf::Tr("TSortPanel", "Error Name Field!\r\nИМЯ ПОЛЯ В КОЛ.1-%1\r\nRabStrNameFieldRowZero-%2"),
                    {AsShown(*StringGrid2, lookup.wanted), AsShown(context_.grid, lookup.lastCompared)}));
}

std::optional<int> TSortPanel::Direction(int row) const {
  const std::string cell = StringGrid2->Cell(row, kDirectionColumn);
  const auto number = ui::StrToInt(ui::Trim(cell));
  if (number != 1 && number != 2) return std::nullopt;
  return number;
}

bool TSortPanel::ConfirmDirection(int row) {
  const auto direction = Direction(row);
  if (!direction) {
    context_.dialogs.Message(dbf::Tr("TSortPanel", "Тип сортировки не равен 1 или 2 "));
    return false;
  }
  StringGrid2->SetCell(row, kDirectionTextColumn, DirectionText(*direction));
  return true;
}

void TSortPanel::Button7Click() {
  const auto choice = context_.dialogs.SaveFile(ui::TableFilter());
  if (!choice) return;
  Edit5->setText(QString::fromStdString(TrimBlanks(choice->path)));
}

void TSortPanel::Button1Click() {
  if (!context_.PathGiven()) return;
  StringGrid2->CommitEdit();
  ui::DialogService& dialogs = context_.dialogs;
  const std::string typed = TrimBlanks(Edit5->text().toStdString());
  if (typed.empty()) {
    dialogs.Message(dbf::Tr("TSortPanel", kNotSorted) + dbf::Tr("TSortPanel", "Нет имени отсортированного файла."));
    return;
  }
  const int keyCount = StringGrid2->RowCount() - 1;
  for (int row = 1; row <= keyCount; ++row) {
    if (!Direction(row)) {
      dialogs.Message(dbf::Tr("TSortPanel", kNotSorted) + dbf::Tr("TSortPanel", "Тип сортировки не равен 1 или 2."));
      return;
    }
  }
  // Field names are checked against the columns of the table on show; a
  // hidden grid still holds those of a table that is no longer current.
  const bool hasFields = context_.GridShown() && context_.grid.ColCount() > 1;
  for (int row = 1; row <= keyCount; ++row) {
    const FieldLookup lookup = hasFields ? FindField(row) : FieldLookup{};
    if (!lookup.header) {
      dialogs.Message(dbf::Tr("TSortPanel", kNotSorted) + dbf::Tr("TSortPanel", "Ошибка в имени поля."));
      return;
    }
    StringGrid2->SetCell(row, kNameColumn, *lookup.header);
  }
  // A name typed without an extension gets the tables' own, so the sorted
  // copy opens as a table.
  const std::string output = WithTableExtension(typed);
  switch (SortInto(output)) {
    case dbf::SortOutcome::Sorted:
      InputUsed();
      CopyMemoFile(context_.files, context_.table.TablePath(), output);
      dialogs.Message(dbf::Tr("TSortPanel", "Сортировка выполнена!"));
      break;
    case dbf::SortOutcome::SameFile:
      // Writing the output would have emptied the table before it was read.
      dialogs.Message(dbf::Tr("TSortPanel", kNotSorted) +
                      dbf::Tr("TSortPanel", "Отсортированный файл не может быть исходным файлом."));
      break;
    default:
      dialogs.Message(dbf::Tr("TSortPanel", kNotSorted) +
                      dbf::Tr("TSortPanel", "Не хватает памяти для ключей сортировки."));
      break;
  }
}

dbf::SortOutcome TSortPanel::SortInto(const std::string& output) {
  dbf::SortOutcome outcome = dbf::SortOutcome::Sorted;
  const auto sort = [&](const std::string& file) {
    dbf::Dbf2_lib db(context_.files.Files());
    db.DbfAssign(kSource, context_.table.TablePath());
    db.DbfAssign(kTarget, file);
    db.DbfSortInit(kSource);
    for (int row = 1; row < StringGrid2->RowCount(); ++row) {
      db.DbfSortAddKey(Limited(dbf::TrimName(StringGrid2->Cell(row, kNameColumn))), *Direction(row), 0);
    }
    ui::Progress progress(context_.progress, 1);
    db.DbfOnStep(progress.Steps());
    outcome = db.DbfSortTo(kSource, kTarget);
    db.DbfCloseAll();
  };
  ui::RefuseLinkAt(output);
  // The copy goes into a new file first, which the engine would not take
  // for the table itself, and takes the output's name only once complete: a
  // kill part way leaves no partial copy under that name.
  if (dbf::TableFile::SameFile(context_.table.TablePath(), output)) return dbf::SortOutcome::SameFile;
  ui::FileRewrite rewrite;
  rewrite.writeNew = [&](const std::string& file) {
    sort(file);
    if (outcome != dbf::SortOutcome::Sorted) throw NothingSorted{};
  };
  try {
    ui::ReplaceFileContents(context_.files, output, rewrite);
  } catch (const NothingSorted&) {
    // The file that was there keeps its place.
  }
  return outcome;
}
