#include "go_to_record.h"

#include "dbf_texts.h"
#include "dialog_service.h"
#include "int_text.h"
#include "string_grid.h"

#include <algorithm>
#include <string>

void TGoToRecord::GoToClick() {
  if (!context_.GridShown()) return;
  const int last = context_.grid.RowCount() - 1;
  if (last < 1) return;
  const auto answer = context_.dialogs.AskText(
      dbf::Tr("TGoToRecord", "Перейти к записи"),
      dbf::FillText(dbf::Tr("TGoToRecord", "Номер записи (1 - %1):"), {std::to_string(last)}),
      std::to_string(std::max(context_.grid.Row(), 1)));
  if (!answer) return;
  const auto number = ui::StrToInt(*answer);
  if (!number || *number < 1 || *number > last) {
    context_.dialogs.Message(
        dbf::FillText(dbf::Tr("TGoToRecord", "Нет записи с номером \"%1\"."), {ui::Trim(*answer)}));
    return;
  }
  if (context_.grid.ViewRow(*number) < 0) {
    context_.dialogs.Message(
        dbf::FillText(dbf::Tr("TGoToRecord", "Запись %1 скрыта отбором."), {std::to_string(*number)}));
    return;
  }
  // The column stays, unless it is the record-number column.
  context_.grid.SetSelectedCell(*number, std::max(context_.grid.Col(), 1));
}
