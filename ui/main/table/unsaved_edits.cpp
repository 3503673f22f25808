#include "unsaved_edits.h"

#include "dbf_texts.h"
#include "dialog_service.h"
#include "record_store.h"
#include "string_grid.h"

#include <utility>

namespace {

bool HasEdits(OpenTable& table) {
  const RecordStore* rows = table.Rows();
  return rows && rows->HasEdits();
}

}  // namespace

TUnsavedEdits::TUnsavedEdits(const TableContext& context, std::function<void()> save)
    : context_(context), save_(std::move(save)) {}

bool TUnsavedEdits::Settled() {
  if (!context_.table.Rows()) return true;
  context_.grid.CommitEdit();  // a cell being typed in counts
  if (!HasEdits(context_.table)) return true;
  switch (context_.dialogs.AskSaveChanges(
      dbf::FillText(dbf::Tr("TUnsavedEdits", "Сохранить изменения в файле %1?"), {context_.table.TablePath()}))) {
    case ui::SaveAnswer::Yes:
      save_();
      // Save refuses some tables with a message: the edits are still there.
      return !HasEdits(context_.table);
    case ui::SaveAnswer::No:
      return true;
    case ui::SaveAnswer::Cancel:
      break;
  }
  return false;
}
