#include "report_panel.h"

#include "dbf2_lib.h"
#include "dbf_names.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "code_page.h"
#include "event_guard.h"
#include "int_text.h"
#include "progress.h"
#include "qt_translations.h"
#include "radio_group.h"
#include "report_checks.h"
#include "report_file.h"
#include "string_grid.h"
#include "page_text.h"
#include "text_report.h"
#include "word_hand_over.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr uint16_t kSlot = 1;
constexpr int kLengthColumn = 1;
constexpr int kNameColumn = 2;
constexpr int kWidthColumn = 3;
constexpr size_t kLongestColumnName = 20;
constexpr size_t kLongestSumName = 40;
constexpr int kToWordProcessor = 1;  // RadioGroup2 "в MS  WORD"
constexpr int kPrintRowNumbers = 0;  // RadioGroup3 "печатать"
const char kZeroWidth[] = DBF_TR_NOOP("TReportPanel", "Ширина колонки не может быть равна Нулю!");

std::string TrimmedBytes(const std::string& text) { return std::string(ui::Trim(text)); }

// Typed numbers are held to what a report line can take.
std::string TooManyColumns() {
  return dbf::FillText(dbf::Tr("TReportPanel", "Количество столбцов больше %1: строка отчета не длиннее %2 знаков."),
                       {std::to_string(office::kMostFieldColumns), std::to_string(office::kLongestReportLine)});
}
std::string TooWideColumn() {
  return dbf::FillText(dbf::Tr("TReportPanel", "Ширина столбца больше %1: строка отчета не длиннее %2 знаков."),
                       {std::to_string(office::kWidestReportColumn), std::to_string(office::kLongestReportLine)});
}
// A typed number that is none; the text as typed, an empty box named so.
std::string NotANumber(const std::string& text) {
  if (text.empty()) return dbf::Tr("TReportPanel", "Число не указано: заполните поле целым числом.");
  return dbf::FillText(dbf::Tr("TReportPanel", "\"%1\" не является целым числом."), {text});
}
std::string TooLongLine(int64_t length) {
  return dbf::FillText(dbf::Tr("TReportPanel", "Строка отчета из %1 знаков длиннее %2: уменьшите ширину столбцов."),
                       {std::to_string(length), std::to_string(office::kLongestReportLine)});
}

}  // namespace

TReportPanel::TReportPanel(office::OfficePanelLinks links, QWidget* parent)
    : TaskPanel({ui::Tr("TReportPanel", "Формирование текстового файла и печать.")}, ui::Tr("TReportPanel", "Выход"),
                links.guard, parent),
      links_(std::move(links)) {
  BuildControls();
  auto hook = [this](QPushButton* button, void (TReportPanel::*handler)()) {
    connect(button, &QPushButton::clicked, this, links_.guard.Guarded([this, handler] { (this->*handler)(); }));
  };
  hook(Button8, &TReportPanel::Button8Click);
  StringGrid3->onClick = [this] { links_.guard.Run([this] { StringGrid3Click(); }); };
  StringGrid3->onKeyPress = [this](int& key) { links_.guard.Run([this, &key] { StringGrid3KeyPress(key); }); };
}

TReportPanel::~TReportPanel() = default;

void TReportPanel::BuildControls() {
  auto* counts = new QFormLayout;
  auto row = [&](QLabel*& label, QLineEdit*& edit, const QString& caption) {
    label = new QLabel(caption, this);
    edit = new QLineEdit(this);
    counts->addRow(label, edit);
  };
  row(Label7, Edit7, ui::Tr("TReportPanel", "Количество информационных строк на 1-м листе"));
  row(Label8, Edit8, ui::Tr("TReportPanel", "Количество информационных строк на остальных листах"));
  row(Label6, Edit6, ui::Tr("TReportPanel", "Имя поля для подсчета суммы   ИТОГО"));
  row(Label9, Edit9, ui::Tr("TReportPanel", "количество столбцов"));
  Body()->addLayout(counts);

  StringGrid3 = new ui::StringGrid(this);
  StringGrid3->SetColCount(4);
  StringGrid3->SetFixedCols(1);
  StringGrid3->SetOptions(ui::GridOption::FixedVertLine | ui::GridOption::FixedHorzLine | ui::GridOption::VertLine |
                          ui::GridOption::HorzLine | ui::GridOption::Editing | ui::GridOption::Tabs);
  const int widths[] = {40, 65, 100, 90};
  for (int col = 0; col < 4; ++col) StringGrid3->SetColWidth(col, widths[col]);
  StringGrid3->setMinimumHeight(150);
  Body()->addWidget(StringGrid3);
  ResetColumnGrid();

  RadioGroup2 = new ui::RadioGroup(ui::Tr("TReportPanel", "Печатать"),
                                   {ui::Tr("TReportPanel", "только в файл"), ui::Tr("TReportPanel", "в MS  WORD")},
                                   this);
  RadioGroup3 = new ui::RadioGroup(ui::Tr("TReportPanel", "Номер строки"),
                                   {ui::Tr("TReportPanel", "печатать"), ui::Tr("TReportPanel", "не печатать")}, this);
  auto* choices = new QHBoxLayout;
  choices->addWidget(RadioGroup2);
  choices->addWidget(RadioGroup3);
  Body()->addLayout(choices);
  Button8 = new QPushButton(ui::Tr("TReportPanel", "Выполнить"), this);
  AddToBottomRow(Button8);
  ProgressBar2 = new QProgressBar(this);
  ProgressBar2->hide();
  Body()->addWidget(ProgressBar2);
  Button9 = ExitButton();
  SetDesignSize({560, 620});
}

void TReportPanel::ResetColumnGrid() {
  StringGrid3->SetRowCount(3);
  StringGrid3->SetFixedRows(1);
  StringGrid3->SetCodePage(page_);
  const char* headers[] = {DBF_TR_NOOP("TReportPanel", "№ п/п"), DBF_TR_NOOP("TReportPanel", "Длина поля"),
                           DBF_TR_NOOP("TReportPanel", "Имя поля"), DBF_TR_NOOP("TReportPanel", "Ширина столбца")};
  for (int col = 0; col < 4; ++col) StringGrid3->SetCell(0, col, Caption(ui::Tr("TReportPanel", headers[col])));
}

std::string TReportPanel::Caption(const QString& text) const { return ui::EncodeTyped(text, page_); }

std::string TReportPanel::MessageText(const std::string& bytes) const {
  return office::TextPage::Of(page_).Utf8(bytes);
}

void TReportPanel::ToolButton3Click() {
  if (links_.recordGrid.isHidden()) return;
  Open([this] {
    Edit7->setText(QStringLiteral("45"));
    Edit8->setText(QStringLiteral("56"));
    Edit6->clear();
    Edit9->setText(QStringLiteral("2"));
    RadioGroup2->SetItemIndex(0);
    RadioGroup3->SetItemIndex(kPrintRowNumbers);
    page_ = ui::SingleBytePage(links_.tablePage());
    ResetColumnGrid();
    ProgressBar2->hide();
    db_ = std::make_unique<dbf::Dbf2_lib>();
    db_->DbfOpenForReading(kSlot, links_.tablePath());
  });
}

void TReportPanel::Closing() {
  if (db_) db_->DbfCloseAll();
  db_.reset();
}

void TReportPanel::StringGrid3Click() {
  const auto columns = ui::StrToInt(Edit9->text().trimmed().toStdString());
  if (!columns || *columns < 2) return;
  if (*columns > office::kMostFieldColumns) {
    links_.dialogs.Message(TooManyColumns());
    return;
  }
  StringGrid3->SetRowCount(*columns + 2);
  for (int row = 1; row <= *columns + 1; ++row) StringGrid3->SetCell(row, 0, ui::RightAligned(row, 6));
  StringGrid3->setFocus();
}

void TReportPanel::StringGrid3KeyPress(int& key) {
  if (key != 13) return;
  key = 0;  // the grid itself does nothing more with this Enter
  StringGrid3->CommitEdit();
  const int row = StringGrid3->Row();
  if (StringGrid3->Col() == kNameColumn) AcceptColumnName(row);
  else if (StringGrid3->Col() == kWidthColumn) AcceptColumnWidth(row);
}

void TReportPanel::AcceptColumnName(int row) {
  if (row == 1) {
    StringGrid3->SetCell(row, kNameColumn, Caption(ui::Tr("TReportPanel", "№ п/п")));
    StringGrid3->SetSelectedCell(row, kWidthColumn);
    return;
  }
  const std::string name = dbf::UpperAnsi(TrimmedBytes(StringGrid3->Cell(row, kNameColumn)));
  const ui::StringGrid& grid = links_.recordGrid;
  for (int col = 1; col < grid.ColCount(); ++col) {
    if (dbf::UpperAnsi(TrimmedBytes(grid.Cell(0, col))) != name) continue;
    StringGrid3->SetCell(row, kNameColumn, name);
    const dbf::FieldNode* field = db_ ? office::FindTableField(*db_, kSlot, name) : nullptr;
    if (field) StringGrid3->SetCell(row, kLengthColumn, ui::RightAligned(field->length, 4));
    StringGrid3->SetSelectedCell(row, kWidthColumn);
    return;
  }
  links_.dialogs.Message("Error Name Field!\r\n" + MessageText(name));
}

void TReportPanel::AcceptColumnWidth(int row) {
  const std::string text = TrimmedBytes(StringGrid3->Cell(row, kWidthColumn));
  const auto width = ui::StrToInt(text);
  if (!width) {
    links_.dialogs.Message(NotANumber(MessageText(text)));
    return;
  }
  if (*width == 0) {
    links_.dialogs.Message(dbf::Tr("TReportPanel", kZeroWidth));
    return;
  }
  if (*width > office::kWidestReportColumn) {
    links_.dialogs.Message(TooWideColumn());
    return;
  }
  if (row + 1 < StringGrid3->RowCount()) StringGrid3->SetSelectedCell(row + 1, kNameColumn);
}

std::optional<office::ReportLayout> TReportPanel::ReadLayout() {
  auto number = [this](QLineEdit* edit, const std::string& tooFew) -> std::optional<int> {
    const std::string text = edit->text().trimmed().toStdString();
    const auto value = ui::StrToInt(text);
    if (!value) links_.dialogs.Message(NotANumber(text));
    else if (*value < 1) links_.dialogs.Message(tooFew);
    else return value;
    return std::nullopt;
  };
  const auto columns = number(Edit9, dbf::Tr("TReportPanel", "Количество столбцов меньше 2-х."));
  if (!columns) return std::nullopt;
  if (*columns > office::kMostFieldColumns) {
    links_.dialogs.Message(TooManyColumns());
    return std::nullopt;
  }
  const auto first = number(Edit7, dbf::Tr("TReportPanel", "Количество рядов на первом листе меньше 1."));
  if (!first) return std::nullopt;
  const auto later = number(Edit8, dbf::Tr("TReportPanel", "Количество рядов на остальных листах меньше 1."));
  if (!later) return std::nullopt;

  // Rows the grid does not have yet read as empty.
  auto cell = [this](int row, int col) {
    return row < StringGrid3->RowCount() ? TrimmedBytes(StringGrid3->Cell(row, col)) : std::string();
  };
  std::vector<office::ColumnRequest> requests;
  for (int row = 1; row <= *columns + 1; ++row) {
    const std::string widthText = cell(row, kWidthColumn);
    const auto width = ui::StrToInt(widthText);
    if (!width) {
      links_.dialogs.Message(NotANumber(MessageText(widthText)));
      return std::nullopt;
    }
    // A column needs room for its text; a negative width would run lines backwards.
    if (*width < 1) {
      links_.dialogs.Message(dbf::Tr("TReportPanel", kZeroWidth));
      return std::nullopt;
    }
    requests.push_back({cell(row, kNameColumn).substr(0, kLongestColumnName), *width});
  }
  if (const int64_t length = office::LineLengthOf(requests); length > office::kLongestReportLine) {
    links_.dialogs.Message(TooLongLine(length));
    return std::nullopt;
  }
  office::ReportLayout layout;
  layout.columns = office::PlaceColumns(requests);
  layout.firstSheetRows = *first;
  layout.laterSheetRows = *later;
  layout.sumField = TrimmedBytes(ui::EncodeTyped(Edit6->text())).substr(0, kLongestSumName);
  layout.printRowNumbers = RadioGroup3->ItemIndex() == kPrintRowNumbers;
  if (const auto wrong = office::CheckReportFields(*db_, kSlot, layout, office::TextPage::Of(page_))) {
    links_.dialogs.Message(*wrong);
    return std::nullopt;
  }
  return layout;
}

void TReportPanel::Button8Click() {
  if (!db_) return;
  const std::string reportPath = office::ReportFileName(links_.tablePath());
  // Settings that are refused write nothing.
  const auto layout = ReadLayout();
  if (!layout) return;
  {
    // A report stopped part way is removed with its file; the one there
    // before stays.
    ui::Progress progress(ProgressBar2, links_.recordGrid.RowCount());
    office::WriteReportFile(links_.files, reportPath, [&](office::LineSink& file) {
      office::WriteTextReport(*db_, kSlot, *layout, file, [&](int64_t pass) { progress.Set(pass); });
    });
  }
  if (RadioGroup2->ItemIndex() == kToWordProcessor) office::HandReportToWord(links_.files, reportPath, links_.session, office::TextPage::Of(page_));
  InputUsed();
  links_.dialogs.Message(dbf::Tr("TReportPanel", "Печать завершена!"));
}
