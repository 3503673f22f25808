// The raw view's own handlers: loading and saving, edit mode, the cell
// checks, the header and descriptor panels, the code page and the font.
#include "view_2_form.h"

#include "cell_check.h"
#include "code_page.h"
#include "dbf_texts.h"
#include "header_codec.h"
#include "int_text.h"
#include "open_raw_view.h"
#include "progress.h"
#include "qt_translations.h"
#include "radio_group.h"
#include "raw_file.h"
#include "screen_fit.h"
#include "transfer_buffer.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>

#include <algorithm>

namespace rawview {

namespace {


// Header texts are shown and typed in the code page the grid draws.
std::string Typed(const QLineEdit* edit, ui::CodePage page) { return ui::EncodeTyped(edit->text(), page); }

// The options with row selection, which is browsing: never with editing.
ui::GridOptions Browsing(ui::GridOptions options) {
  return (options | ui::GridOption::RowSelect) &
         ~ui::GridOptions(ui::GridOption::Editing | ui::GridOption::AlwaysShowEditor);
}

}  // namespace

std::optional<int32_t> ConvertAndShowBack(QLineEdit* edit) {
  const auto value = ui::StrToInt(ui::Trim(edit->text().toStdString()));
  if (value) edit->setText(QString::number(*value));
  return value;
}

RawDocument& TView_2_Form::Document() {
  StringGrid1->CommitEdit();
  return doc_;
}

void TView_2_Form::FormCreate() {
  EmptyTransferBuffer();
  SavedOptions = Browsing(StringGrid1->Options());
  SetupPanels();
}

void TView_2_Form::FormShow() {
  ShowCopyPanel();
  ShowInsertPanel();
}

void TView_2_Form::FormClose() { CloseView(); }

void TView_2_Form::N2Click() { CloseView(); }

void TView_2_Form::CloseView() {
  if (CallerWindow) CallerWindow->setEnabled(true);
  hide();
}

void TView_2_Form::ShowCopyPanel() {
  Panel4->hide();
  SetStayOnTop(false);
}

void TView_2_Form::ShowInsertPanel() {
  Panel7->hide();
  SetStayOnTop(false);
}

void TView_2_Form::SetupPanels() {
  ShowCopyPanel();
  ShowInsertPanel();
}

void TView_2_Form::SetStayOnTop(bool onTop) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

void TView_2_Form::Dispose() {
  hide();
  deleteLater();
}

std::optional<ui::FileChoice> TView_2_Form::OpenDialog() { return Dialogs().OpenFile(ui::TableFilter()); }

bool TView_2_Form::LoadTable() {
  StringGrid1->SetOptions(Browsing(StringGrid1->Options()));
  StringGrid1->SetFixedRows(1);
  StringGrid1->SetFixedCols(2);
  StringGrid1->SetColWidth(0, 95);
  StringGrid1->SetColWidth(1, 260);
  for (int col = kFirstCodeColumn; col < kGridColumns; ++col) StringGrid1->SetColWidth(col, 40);

  // Large files show a progress gauge in a small window while they load.
  // The window is not hidden again afterwards: the caller places and shows
  // it, or hides it when loading failed. Hidden and shown again at once, a
  // window whose first showing the window manager has not handled yet can
  // stay off the screen for good.
  std::optional<ui::Progress> progress;
  auto restore = [&] {
    if (!progress) return;
    progress.reset();
    Panel1->show();
    Panel2->show();
  };
  LoadResult result;
  try {
    result = LoadFile(FileName, doc_, [&](int64_t done, int64_t size) {
      if (!progress) {
        for (QWidget* w : std::initializer_list<QWidget*>{Panel1, Panel2, Panel4, Panel7, Panel8}) w->hide();
        ui::FitOnScreen(*this, {5, y()}, {width(), 100});
        show();
        progress.emplace(Gauge3, size, ui::Stop::Refused);
      }
      progress->Set(done);
    });
  } catch (...) {
    restore();
    StringGrid1->StoreChanged();
    throw;
  }
  restore();
  StringGrid1->StoreChanged();
  if (result != LoadResult::Loaded) return false;
  Label2->setText(ui::Tr("TView_2_Form", "Длина файла :  %1 символов")
                      .arg(QString::fromStdString(ui::RightAligned(doc_.FileLength, 12))));
  return true;
}

void TView_2_Form::PlaceAndShow() {
  ui::FitOnScreen(*this, {20, 20}, DesignSize());
  show();
}

QSize TView_2_Form::DesignSize() const {
  int columns = 0;
  for (int col = 0; col < kGridColumns; ++col) columns += StringGrid1->ColWidth(col);
  const auto sides = [](const QLayout* layout) {
    const QMargins margins = layout->contentsMargins();
    return margins.left() + margins.right();
  };
  const int grid = columns + 2 * StringGrid1->frameWidth() + StringGrid1->verticalScrollBar()->sizeHint().width();
  const int window = grid + sides(Panel2->layout()) + 2 * Panel2->frameWidth() + sides(centralWidget()->layout());
  return {std::max(950, window), 650};
}

void TView_2_Form::Redraw() {
  QScrollBar* bar = StringGrid1->verticalScrollBar();
  const int top = bar->value();
  StringGrid1->StoreChanged();
  bar->setValue(top);
}

void TView_2_Form::ShowChangedLength() {
  Redraw();
  Label2->setText(ui::Tr("TView_2_Form", "Длина файла (после изменения) :  %1 символов")
                      .arg(QString::fromStdString(ui::RightAligned(doc_.FileLength, 12))));
}

void TView_2_Form::SaveTo(const std::string& path, bool mustExist, const std::string& doneMessage) {
  const std::string message = SaveTable(*files_, Document(), path, mustExist, doneMessage);
  Redraw();
  if (!message.empty()) Dialogs().Message(message);
}

void TView_2_Form::N6Click() { SaveTo(FileName, true, dbf::Tr("TView_2_Form", "Сохранение в файл выполнено!")); }

void TView_2_Form::N7Click() {
  const auto choice = Dialogs().SaveFile(ui::TableFilter());
  if (!choice) return;
  SaveAsName = choice->path;
  SaveTo(SaveAsName, false, dbf::Tr("TView_2_Form", "Запись в файл выполнена"));
}

void TView_2_Form::N3Click() {
  // Chosen twice, the second choice must not save edit mode as the state
  // that "Отмена корректировки" returns to.
  SavedOptions = Browsing(StringGrid1->Options());
  using ui::GridOption;
  StringGrid1->SetOptions(GridOption::FixedVertLine | GridOption::FixedHorzLine | GridOption::VertLine |
                          GridOption::HorzLine | GridOption::ColSizing | GridOption::Editing | GridOption::Tabs |
                          GridOption::AlwaysShowEditor);
  StringGrid1->setFocus();
}

void TView_2_Form::N4Click() {
  StringGrid1->SetOptions(SavedOptions);
  StringGrid1->setFocus();
}

void TView_2_Form::N5Click() {
  ui::FontRequest request;
  request.initial = StringGrid1->font();
  request.presetSize = 12;
  if (const auto font = Dialogs().ChooseFont(request)) StringGrid1->setFont(*font);
}

void TView_2_Form::CheckBox1Click() {
  switch (CheckBox1->checkState()) {
    case Qt::Unchecked: StringGrid1->SetCodePage(ui::CodePage::Windows1251); break;
    case Qt::Checked: StringGrid1->SetCodePage(ui::CodePage::Dos866); break;
    case Qt::PartiallyChecked: StringGrid1->SetCodePage(ui::CodePage::SystemDefault); break;
  }
}

void TView_2_Form::CheckCell(const std::string& text, int row, int col) {
  if (row < 1 || col < kFirstCodeColumn) return;
  const std::string message = CheckCodeText(text, row, col);
  if (!message.empty()) Dialogs().Message(message);
}

void TView_2_Form::StringGrid1KeyPress(int& key) {
  const std::string typed =
      key >= 32 ? ui::EncodeTyped(QString(QChar(key)), ui::SingleBytePage(StringGrid1->Page())) : std::string();
  const uint8_t byte = typed.empty() ? static_cast<uint8_t>(key) : static_cast<uint8_t>(typed[0]);
  CheckCell(TextAfterKey(StringGrid1->EditText(), byte), StringGrid1->Row(), StringGrid1->Col());
}

void TView_2_Form::StringGrid1SelectCell(int row, int col, bool&) {
  CheckCell(std::string(ui::Trim(StringGrid1->Cell(row, col))), row, col);
}

std::optional<RowBytes> TView_2_Form::SelectedRowBytes() {
  std::string error;
  auto bytes = ReadRowBytes(doc_.cells, StringGrid1->Row(), &error);
  if (!bytes) Dialogs().Message(error);
  return bytes;
}

void TView_2_Form::ShowHeader(const RowBytes& bytes) {
  const HeaderTexts h = DecodeHeader(bytes);
  const ui::CodePage page = StringGrid1->Page();
  Edit6->setText(ui::DecodeCell(h.version, page));
  Edit7->setText(ui::DecodeCell(h.date, page));
  Edit8->setText(ui::DecodeCell(h.headerSize, page));
  Edit9->setText(ui::DecodeCell(h.recordLength, page));
  Edit10->setText(ui::DecodeCell(h.recordCount, page));
}

void TView_2_Form::ShowDescriptor(const RowBytes& bytes) {
  const DescriptorTexts d = DecodeDescriptor(bytes, WideCharLengths(doc_));
  const ui::CodePage page = StringGrid1->Page();
  Edit11->setText(ui::DecodeCell(d.name, page));
  Edit12->setText(ui::DecodeCell(d.type, page));
  Edit13->setText(ui::DecodeCell(d.length, page));
  Edit14->setText(ui::DecodeCell(d.offset, page));
  Edit15->setText(ui::DecodeCell(d.decimals, page));
}

void TView_2_Form::RadioGroup1Click() {
  switch (RadioGroup1->ItemIndex()) {
    case 0:
      for (QLineEdit* e : {Edit6, Edit7, Edit8, Edit9, Edit10}) e->clear();
      if (const auto bytes = SelectedRowBytes()) ShowHeader(*bytes);
      Panel6->hide();
      Panel9->hide();
      Panel5->show();
      break;
    case 1:
      for (QLineEdit* e : {Edit11, Edit12, Edit13, Edit14, Edit15}) e->clear();
      if (const auto bytes = SelectedRowBytes()) ShowDescriptor(*bytes);
      Panel5->hide();
      Panel9->hide();
      Panel6->show();
      break;
    default:
      Panel5->hide();
      Panel6->hide();
      Panel9->hide();
  }
}

void TView_2_Form::StringGrid1Click() {
  // Both panels from one reading, so a row that cannot be read is reported once.
  if (const auto bytes = SelectedRowBytes()) {
    ShowHeader(*bytes);
    ShowDescriptor(*bytes);
  }
}

void TView_2_Form::Button4Click() {
  const ui::CodePage page = StringGrid1->Page();
  const HeaderTexts edits{Typed(Edit6, page), Typed(Edit7, page), Typed(Edit8, page), Typed(Edit9, page),
                          Typed(Edit10, page)};
  const std::string message = WriteHeader(Document().cells, StringGrid1->Row(), edits);
  Redraw();
  if (!message.empty()) Dialogs().Message(message);
}

void TView_2_Form::Button5Click() {
  Edit11->setText(Edit11->text().toUpper());
  Edit12->setText(Edit12->text().toUpper());
  const ui::CodePage page = StringGrid1->Page();
  const DescriptorTexts edits{Typed(Edit11, page), Typed(Edit12, page), Typed(Edit13, page), Typed(Edit14, page),
                              Typed(Edit15, page)};
  const auto messages = WriteDescriptor(Document(), StringGrid1->Row(), edits);
  Redraw();
  for (const std::string& m : messages) Dialogs().Message(m);
}

}  // namespace rawview
