#include "table_undo.h"

#include "dbf_texts.h"
#include "dialog_service.h"
#include "string_grid.h"

#include <system_error>

namespace {

const char kNoUndo[] = DBF_TR_NOOP("TTableUndo", "\r\nЭто изменение нельзя будет отменить.");

}  // namespace

TTableUndo::TTableUndo(const TableContext& context, const std::string& folder)
    : context_(context), versions_(folder) {}

void TTableUndo::BeforeChange(const std::string& path) { Keep(path, ui::TableVersions::Keeping::Copy); }

void TTableUndo::BeforeReplace(const std::string& path) { Keep(path, ui::TableVersions::Keeping::LinkWhenReplaced); }

void TTableUndo::ReplaceFailed(const std::string& path) { versions_.DropKept(path); }

void TTableUndo::WriteBegins(const std::string& path) { versions_.WriteBegins(path); }

void TTableUndo::WriteEnded(const std::string& path) { versions_.WriteEnded(path); }

// A file that cannot be kept does not stop the command the user gave; the
// user is told that this change cannot be undone.
void TTableUndo::Keep(const std::string& path, ui::TableVersions::Keeping keeping) {
  try {
    if (versions_.Keep(path, keeping) == ui::TableVersions::Kept::TooLarge) {
      context_.dialogs.Message(
          dbf::FillText(dbf::Tr("TTableUndo", "Файл %1 слишком велик, чтобы сохранить его копию."), {path}) +
          dbf::Tr("TTableUndo", kNoUndo));
    }
  } catch (const std::system_error& e) {
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

// Putting the version back goes through a new file where it can, so a kill
// now leaves the torn file or the version, and the question comes again.
void TTableUndo::OfferInterruptedWrites() {
  for (const ui::TableVersion& version : versions_.Interrupted()) {
    const bool putBack = context_.dialogs.Ask(
        dbf::Tr("TTableUndo", "Запись прервана"),
        dbf::FillText(dbf::Tr("TTableUndo", "Запись в файл %1 была прервана, и он может быть испорчен.\r\n"
                                            "Вернуть файл, каким он был до этой записи?"),
                      {version.path}));
    if (!putBack) {
      versions_.Settle(version);
      continue;
    }
    try {
      versions_.RestoreLast(version.path);
      context_.dialogs.Message(
          dbf::FillText(dbf::Tr("TTableUndo", "Файл %1 возвращён, каким он был до прерванной записи."), {version.path}));
    } catch (const std::system_error& e) {
      context_.dialogs.Message(
          dbf::FillText(dbf::Tr("TTableUndo", "Файл %1 вернуть не удалось: %2."), {version.path, e.what()}));
    }
  }
}
