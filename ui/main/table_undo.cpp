#include "table_undo.h"

#include "dialog_service.h"
#include "string_grid.h"

#include <system_error>

namespace {

const char kNoUndo[] = "\r\nЭто изменение нельзя будет отменить.";

}  // namespace

TTableUndo::TTableUndo(const TableContext& context, const std::string& folder)
    : context_(context), versions_(folder) {}

// A file that cannot be kept does not stop the command the user gave; the
// user is told that this change cannot be undone.
void TTableUndo::BeforeChange(const std::string& path) {
  try {
    if (versions_.Keep(path) == ui::TableVersions::Kept::TooLarge) {
      context_.dialogs.Message("Файл " + path + " слишком велик, чтобы сохранить его копию." + kNoUndo);
    }
  } catch (const std::system_error& e) {
    context_.dialogs.Message("Копию файла " + path + " сохранить не удалось: " + e.what() + "." + kNoUndo);
  }
}

void TTableUndo::Undo1Click() {
  if (!context_.PathGiven()) return;
  if (!versions_.RestoreLast(context_.table.TablePath)) {
    context_.dialogs.Message("Нет изменений файла " + context_.table.TablePath + " для отмены.");
    return;
  }
  if (context_.GridShown()) context_.table.Refill();
  context_.dialogs.Message("Последнее изменение файла отменено.");
}
