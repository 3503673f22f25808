#include "table_undo.h"

#include "dbf_texts.h"
#include "dialog_service.h"
#include "string_grid.h"

#include <stdexcept>

namespace {

const char kNoUndo[] = DBF_TR_NOOP("TTableUndo", "\r\nЭто изменение нельзя будет отменить.");

}  // namespace

TTableUndo::TTableUndo(const TableContext& context, const std::string& folder)
    : context_(context), versions_(folder) {}

// A file that cannot be kept does not stop the command the user gave; the
// user is told that this change cannot be undone.
void TTableUndo::BeforeChange(const std::string& path) {
  try {
    if (versions_.Keep(path) == ui::TableVersions::Kept::TooLarge) {
      context_.dialogs.Message(
          dbf::FillText(dbf::Tr("TTableUndo", "Файл %1 слишком велик, чтобы сохранить его копию."), {path}) +
          dbf::Tr("TTableUndo", kNoUndo));
    }
  } catch (const std::runtime_error& e) {  // the system's failures, and a folder not the user's own
    context_.dialogs.Message(
        dbf::FillText(dbf::Tr("TTableUndo", "Копию файла %1 сохранить не удалось: %2."), {path, e.what()}) +
        dbf::Tr("TTableUndo", kNoUndo));
  }
}

void TTableUndo::Undo1Click() {
  if (!context_.PathGiven()) return;
  if (!versions_.RestoreLast(context_.table.TablePath)) {
    context_.dialogs.Message(
        dbf::FillText(dbf::Tr("TTableUndo", "Нет изменений файла %1 для отмены."), {context_.table.TablePath}));
    return;
  }
  if (context_.GridShown()) context_.table.Refill();
  context_.dialogs.Message(dbf::Tr("TTableUndo", "Последнее изменение файла отменено."));
}
