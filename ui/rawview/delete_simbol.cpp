#include "delete_simbol.h"

#include "dbf_texts.h"
#include "open_raw_view.h"
#include "table_edits.h"

#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace rawview {

TDeleteSimbol* TDeleteSimbol::Open(ui::EventGuard& guard) {
  auto* window = Create<TDeleteSimbol>(guard);
  for (QLineEdit* e : {window->Edit19, window->Edit20, window->Edit21, window->Edit22}) e->clear();
  window->Panel4->hide();
  window->Panel7->hide();
  window->ShowAsOperationWindow(window->Panel8, 40, QString());
  window->Edit19->setFocus();
  return window;
}

void TDeleteSimbol::DeleteFirstCharKey() { Edit20->setFocus(); }
void TDeleteSimbol::DeleteFirstLineKey() { Edit21->setFocus(); }
void TDeleteSimbol::DeleteLastCharKey() { Edit22->setFocus(); }
void TDeleteSimbol::DeleteLastLineKey() { Button7->setFocus(); }

void TDeleteSimbol::RunDeletePanel() {
  const auto firstChar = ConvertAndShowBack(Edit19);
  if (!firstChar || *firstChar < 1 || *firstChar > kCodesPerRow) {
    return Dialogs().Message(dbf::Tr("TView_2_Form", kFirstCharError));
  }
  const auto firstLine = ConvertAndShowBack(Edit20);
  if (!firstLine || *firstLine < 1) return Dialogs().Message(dbf::Tr("TView_2_Form", kFirstLineError));
  const auto lastChar = ConvertAndShowBack(Edit21);
  if (!lastChar || *lastChar < 1 || *lastChar > kCodesPerRow) {
    return Dialogs().Message(dbf::Tr("TDeleteSimbol", "Ошибка номера последнего символа!"));
  }
  const auto lastLine = ConvertAndShowBack(Edit22);
  if (!lastLine || *lastLine < 1) return Dialogs().Message(dbf::Tr("TView_2_Form", kLastLineError));
  FirstChar = *firstChar;
  FirstLine = *firstLine;
  LastChar = *lastChar;
  LastLine = *lastLine;
  const int64_t first = CharIndex(FirstLine, FirstChar);
  const int64_t last = CharIndex(LastLine, LastChar);
  if (last < first) return Dialogs().Message(dbf::Tr("TView_2_Form", kRangeOrderError));
  if (!View_2_Form) return;
  // The raw view's length now, not as it was when this window opened: an
  // earlier deletion from this window has changed it.
  if (first > View_2_Form->FileLength()) {
    return Dialogs().Message(dbf::Tr("TDeleteSimbol", "Первый удаляемый символ за концом файла!"));
  }
  DeleteChars(View_2_Form->Document(), first, last);
  View_2_Form->ShowChangedLength();
  Dialogs().Message(dbf::Tr("TDeleteSimbol", "Удаление выполнено!"));
  Button8->setFocus();
}

}  // namespace rawview
