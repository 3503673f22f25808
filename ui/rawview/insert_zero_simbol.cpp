#include "insert_zero_simbol.h"

#include "code_page.h"
#include "dbf_texts.h"
#include "int_text.h"
#include "open_raw_view.h"
#include "qt_translations.h"
#include "radio_group.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <climits>

namespace rawview {

namespace {

constexpr char kCodeCaption[] = DBF_TR_NOOP("TInsertZeroSimbol", "Десятичный код символа от 0 до 255  ");

// The code page the raw view draws its characters in.
ui::CodePage ShownPage() {
  return View_2_Form ? View_2_Form->StringGrid1->Page() : ui::CodePage::Windows1251;
}

}  // namespace

TInsertZeroSimbol* TInsertZeroSimbol::Open(ui::EventGuard& guard) {
  auto* window = Create<TInsertZeroSimbol>(guard);
  for (QLineEdit* e : {window->Edit1, window->Edit16, window->Edit17, window->Edit18}) e->clear();
  window->RadioGroup2->SetItemIndex(0);
  window->Label23->setText(ui::Tr("TInsertZeroSimbol", "Десятичный код символа от 0 до 255 "));
  window->Label24->clear();
  window->ShowAsOperationWindow(window->Panel7, 40, ui::Tr("TInsertZeroSimbol", "Вставить символы в таблицу."));
  window->Edit1->setFocus();
  return window;
}

void TInsertZeroSimbol::ShowCopyPanel() {
  Panel7->show();
  Panel4->hide();
  SetStayOnTop(true);
}

void TInsertZeroSimbol::InsertCharKey() { Edit16->setFocus(); }
void TInsertZeroSimbol::InsertLineKey() { Edit17->setFocus(); }
void TInsertZeroSimbol::InsertCountKey() { Edit18->setFocus(); }

void TInsertZeroSimbol::InsertCodeKey() {
  const auto code = ui::StrToInt(ui::Trim(Edit18->text().toStdString()));
  Label23->setText(ui::Tr("TInsertZeroSimbol", kCodeCaption));
  if (!code || *code < 0 || *code > 255) return Label24->clear();
  const QString shown = *code < 33 ? ui::Tr("TInsertZeroSimbol", " (нет символьного эквивалента) ")
                                   : ui::DecodeCell(std::string(1, static_cast<char>(*code)), ShownPage());
  Label24->setText(" " + shown + " ");
  Button1->setFocus();
}

void TInsertZeroSimbol::RunInsertPanel() {
  const auto firstChar = ConvertAndShowBack(Edit1);
  if (!firstChar || *firstChar < 1 || *firstChar > kCodesPerRow) {
    return Dialogs().Message(dbf::Tr("TView_2_Form", kFirstCharError));
  }
  const auto firstLine = ConvertAndShowBack(Edit16);
  if (!firstLine || *firstLine < 1) return Dialogs().Message(dbf::Tr("TView_2_Form", kFirstLineError));
  const auto count = ConvertAndShowBack(Edit17);
  const int32_t room = View_2_Form ? INT32_MAX - View_2_Form->FileLength() : 0;
  if (!count || *count < 1 || *count > room) {
    return Dialogs().Message(dbf::Tr("TInsertZeroSimbol", "Ошибка количества вводимых символов!"));
  }
  const auto code = ConvertAndShowBack(Edit18);
  if (!code || *code < 0 || *code > 255) {
    return Dialogs().Message(dbf::Tr("TInsertZeroSimbol", "Ошибка кода вставляемого символа!"));
  }
  FirstChar = *firstChar;
  // Every row after the table's last one appends at the end; keeping the row
  // just past the end lets the position advance below without overflowing.
  FirstLine = static_cast<int32_t>(std::min<int64_t>(*firstLine, View_2_Form->Document().cells.RowCount() + 1));
  InsertCount = *count;
  InsertCode = *code;
  InsertCodeText = Edit18->text().toStdString();
  if (RadioGroup2->ItemIndex() == 1 && ++FirstChar > kCodesPerRow) {
    FirstChar = 1;
    ++FirstLine;
  }
  View_2_Form->InsertCount = InsertCount;
  View_2_Form->InsertCodeText = InsertCodeText;
  View_2_Form->FirstChar = FirstChar;
  View_2_Form->FirstLine = FirstLine;
  View_2_Form->RunSetNewSizeTable();
  View_2_Form->RunSdvigTableToEnd();
  Button6->setFocus();
}

}  // namespace rawview
