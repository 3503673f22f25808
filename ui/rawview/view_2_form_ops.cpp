// The raw view's side of the operations: what the base class does in the
// virtual operations, the insertion steps the insert window calls, opening
// the second viewer and the operation windows, and pasting the transfer
// buffer.
#include "copy_to_file.h"
#include "dbf_texts.h"
#include "delete_simbol.h"
#include "insert_zero_simbol.h"
#include "int_text.h"
#include "qt_translations.h"
#include "radio_group.h"
#include "screen_fit.h"
#include "table_edits.h"
#include "transfer_buffer.h"
#include "view_2_form.h"
#include "screen_fit.h"
#include "view_2_form2.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

#include <filesystem>

namespace rawview {

namespace {

// Enter in a position edit: converts and shows back, and moves on when the
// number is acceptable.
void ConvertAndMoveOn(QLineEdit* edit, bool (*acceptable)(int32_t), QWidget* next) {
  const auto value = ConvertAndShowBack(edit);
  if (value && acceptable(*value)) next->setFocus();
}

bool IsCharNumber(int32_t v) { return v >= 1 && v <= kCodesPerRow; }
bool IsNotZero(int32_t v) { return v != 0; }

}  // namespace

void TView_2_Form::CopyFirstCharKey() { ConvertAndMoveOn(Edit2, IsCharNumber, Edit3); }
void TView_2_Form::CopyFirstLineKey() { ConvertAndMoveOn(Edit3, IsNotZero, Edit4); }
void TView_2_Form::CopyLastCharKey() { ConvertAndMoveOn(Edit4, IsCharNumber, Edit5); }
void TView_2_Form::CopyLastLineKey() { ConvertAndMoveOn(Edit5, IsNotZero, Button2); }

void TView_2_Form::RunSetNewSizeTable() {
  NewLength = SetNewSizeTable(Document(), InsertCount);
  Redraw();
  Label2->setText(ui::Tr("TView_2_Form", "Длина файла (после изменения) :  %1 символов")
                      .arg(QString::fromStdString(ui::RightAligned(NewLength, 12))));
}

void TView_2_Form::RunSdvigTableToEnd() {
  SdvigTableToEnd(doc_, CharIndex(FirstLine, FirstChar), InsertCount, InsertCodeText, NewLength);
  Redraw();
  Dialogs().Message(dbf::Tr("TView_2_Form", "Вставка символов выполнена!"));
}

void TView_2_Form::ShowAsOperationWindow(QFrame* panel, int extraWidth, const QString& caption) {
  for (QWidget* w : std::initializer_list<QWidget*>{Panel1, Panel2, Gauge1, Gauge2, Gauge3}) w->hide();
  for (QAction* menu : {Operations->menuAction(), FontItem, Files->menuAction()}) menu->setVisible(false);
  panel->show();
  const QSize size = panel->sizeHint();
  ui::FitOnScreen(*this, {20, 100}, {size.width() + extraWidth, size.height() + 65});
  if (!caption.isEmpty()) setWindowTitle(caption);
  show();
}

void TView_2_Form::N9Click() {
  auto* viewer = Create<TView_2_Form2>(Guard());
  viewer->Panel5->hide();
  viewer->Panel9->hide();
  for (QAction* item : {viewer->Files->menuAction(), viewer->N3, viewer->N4, viewer->N12, viewer->N11, viewer->N13}) {
    item->setEnabled(false);
  }
  const auto choice = viewer->OpenDialog();
  std::error_code ec;
  if (choice && std::filesystem::exists(choice->path, ec)) {
    viewer->FileName = choice->path;
    viewer->Label1->setText(QString::fromStdString(choice->path));
    bool loaded = false;
    try {
      loaded = viewer->LoadTable();
    } catch (...) {
      viewer->Dispose();  // a read failure leaves no hidden viewer behind
      throw;
    }
    if (loaded) {
      viewer->RadioGroup1->SetItemIndex(2);
      viewer->RadioGroup1Click();
      viewer->PlaceAndShow();
      return;
    }
  }
  viewer->Dispose();
}

void TView_2_Form::N10Click() { TCopyToFile::Open(Guard(), this); }
void TView_2_Form::N12Click() { TInsertZeroSimbol::Open(Guard()); }
void TView_2_Form::N13Click() { TDeleteSimbol::Open(Guard()); }

namespace {

// The refusal when there is nothing to paste, or empty when there is.
std::string NothingToPaste() {
  const std::string size = ui::RightAligned(TransferSize, 12);
  if (TransferSize == 0) {
    return dbf::FillText(
        dbf::Tr("TView_2_Form", "Размер буфера - %1 символов.\r\nВыполнить операцию нет возможности!"), {size});
  }
  if (static_cast<int64_t>(TransferBuffer.size()) < TransferSize) {
    return dbf::FillText(dbf::Tr("TView_2_Form",
                                 "Размер буфера - %1 символов.\r\nПамять буфера очищена!\r\n"
                                 "Выполнить операцию нет возможности!"),
                         {size});
  }
  return {};
}

}  // namespace

void TView_2_Form::N11Click() {
  if (const std::string refusal = NothingToPaste(); !refusal.empty()) return Dialogs().Message(refusal);
  for (QWidget* w : std::initializer_list<QWidget*>{Edit23, Edit24, Label31, Label32, Panel5, Panel6}) w->hide();
  Edit23->clear();
  Edit24->clear();
  Panel9->show();
  RadioGroup3->SetItemIndex(0);
  RadioGroup3->setFocus();
}

void TView_2_Form::RadioGroup3Click() {
  const bool position = RadioGroup3->ItemIndex() == 1;
  for (QWidget* w : std::initializer_list<QWidget*>{Edit23, Edit24, Label31, Label32}) w->setVisible(position);
}

void TView_2_Form::Edit23KeyPress() { ConvertAndMoveOn(Edit23, IsCharNumber, Edit24); }
void TView_2_Form::Edit24KeyPress() { ConvertAndMoveOn(Edit24, IsNotZero, Button9); }
void TView_2_Form::Button10Click() { Panel9->hide(); }

void TView_2_Form::Button9Click() {
  if (const std::string refusal = NothingToPaste(); !refusal.empty()) return Dialogs().Message(refusal);
  RawDocument& doc = Document();
  int64_t after = 0;
  switch (RadioGroup3->ItemIndex()) {
    case 0: break;
    case 2: after = doc.FileLength; break;
    default: {
      const auto charNo = ConvertAndShowBack(Edit23);
      if (!charNo || !IsCharNumber(*charNo)) {
        return Dialogs().Message(dbf::Tr("TView_2_Form", "Номер символа не в диапазоне от 1 до 16!"));
      }
      const auto row = ConvertAndShowBack(Edit24);
      if (!row || *row < 1) return Dialogs().Message(dbf::Tr("TView_2_Form", "Номер строки с ошибкой!"));
      if (*row > doc.cells.RowCount()) {
        return Dialogs().Message(dbf::Tr("TView_2_Form", "Номер строки превышает допустимый!"));
      }
      FirstChar = *charNo;
      FirstLine = *row;
      after = CharIndex(FirstLine, FirstChar);
      // Pasting past the end would leave empty cells that cannot be saved.
      if (after > doc.FileLength) {
        return Dialogs().Message(dbf::Tr("TView_2_Form", "Указанный символ за концом файла!"));
      }
    }
  }
  PasteAfter(doc, TransferBuffer, after);
  ShowChangedLength();
  Button10->setFocus();
  Dialogs().Message(dbf::FillText(dbf::Tr("TView_2_Form", "Операция выполнена!\r\nВставлено символов %1."),
                                  {std::to_string(TransferSize)}));
}

}  // namespace rawview
