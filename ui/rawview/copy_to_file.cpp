#include "copy_to_file.h"

#include "dbf_texts.h"
#include "int_text.h"
#include "qt_translations.h"
#include "table_edits.h"
#include "transfer_buffer.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace rawview {

TCopyToFile::TCopyToFile(ui::EventGuard& guard, TView_2_Form* source) : TView_2_Form2(guard), source_(source) {
  connect(source, &QObject::destroyed, this, [this] { CloseView(); });
}

TCopyToFile* TCopyToFile::Open(ui::EventGuard& guard, TView_2_Form* source) {
  auto* window = Create<TCopyToFile>(guard, source);
  for (QLineEdit* e : {window->Edit2, window->Edit3, window->Edit4, window->Edit5}) e->clear();
  window->ShowAsOperationWindow(window->Panel4, 25, ui::Tr("TCopyToFile", "Копирование в файл."));
  window->Edit2->setFocus();
  return window;
}

void TCopyToFile::ShowCopyPanel() {
  Panel4->show();
  Panel7->hide();
  SetStayOnTop(true);
}

void TCopyToFile::CopyFirstCharKey() { Edit3->setFocus(); }
void TCopyToFile::CopyFirstLineKey() { Edit4->setFocus(); }
void TCopyToFile::CopyLastCharKey() { Edit5->setFocus(); }
void TCopyToFile::CopyLastLineKey() { Button2->setFocus(); }

void TCopyToFile::RunCopyPanel() {
  Edit2->setFocus();
  EmptyTransferBuffer();
  // Texts that do not convert in the first three edits end the copy quietly.
  const auto firstChar = ConvertAndShowBack(Edit2);
  if (!firstChar) return;
  const auto lastChar = ConvertAndShowBack(Edit4);
  if (!lastChar) return;
  const auto firstLine = ConvertAndShowBack(Edit3);
  if (!firstLine) return;
  const auto lastLine = ConvertAndShowBack(Edit5);
  FirstChar = *firstChar;
  LastChar = *lastChar;
  FirstLine = *firstLine;
  if (FirstChar < 1 || FirstChar > kCodesPerRow) return Dialogs().Message(dbf::Tr("TView_2_Form", kFirstCharError));
  if (LastChar < 1 || LastChar > kCodesPerRow) {
    return Dialogs().Message(dbf::Tr("TCopyToFile", "Ошибка номера конечного символа!"));
  }
  if (FirstLine < 1) return Dialogs().Message(dbf::Tr("TView_2_Form", kFirstLineError));
  if (!lastLine || *lastLine < 1) return Dialogs().Message(dbf::Tr("TView_2_Form", kLastLineError));
  LastLine = *lastLine;

  if (!source_) return;
  const RawDocument& doc = source_->Document();
  const int64_t first = CharIndex(FirstLine, FirstChar);
  const int64_t last = CharIndex(LastLine, LastChar);
  if (last > doc.FileLength) return Dialogs().Message(dbf::Tr("TCopyToFile", "Ошибка длины массива!"));
  if (last < first) return Dialogs().Message(dbf::Tr("TView_2_Form", kRangeOrderError));
  std::string error;
  auto bytes = CopyChars(doc, first, last, &error);
  if (!bytes) return Dialogs().Message(error);
  TransferBuffer = std::move(*bytes);
  TransferSize = static_cast<int32_t>(TransferBuffer.size());
  Dialogs().Message(
      dbf::FillText(dbf::Tr("TCopyToFile", "Размер буфера - %1 символов."), {ui::RightAligned(TransferSize, 12)}));
  Button3->setFocus();
}

}  // namespace rawview
