#include "structure_commands.h"

#include "companion_files.h"
#include "creat_f_form.h"
#include "dbf2_lib.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "file_name.h"
#include "new_field_panel.h"
#include "safe_write.h"
#include "string_grid.h"
#include "table_emptiness.h"

#include <QAction>
#include <QLabel>


TStructureCommands::TStructureCommands(const TableContext& context, TNewFieldPanel& panel8)
    : QObject(&context.window), Creat_FForm(std::make_unique<TCreat_FForm>(context.guard, context.files)), context_(context), Panel8(panel8) {
  // The grid shows the fields the table has: a field deleted from the table
  // on show takes its column with it.
  Creat_FForm->onStructureChanged = [this](const std::string& path) {
    if (path == context_.table.TablePath()) context_.table.StructureChanged();
  };
}

TStructureCommands::~TStructureCommands() = default;

void TStructureCommands::CreateFile1Click() {
  const auto choice = context_.dialogs.SaveFile(ui::TableFilter());
  if (!choice) return;
  context_.table.PointAt(WithTableExtension(TrimBlanks(choice->path)));
  if (FileExists(context_.table.TablePath())) {
    context_.dialogs.Message("ERROR!!!\r\nDeblicate File Name!");
    return;
  }
  ui::WriteNewFile(context_.files, context_.table.TablePath(), [this](const std::string& path) {
    dbf::Dbf2_lib db(context_.files.Files());
    db.DbfCreate(1, 2, path);
    db.DbfCloseAll();
  });
  Panel8.Prepare();
}

void TStructureCommands::CopyStructurefile1Click() {
  if (!context_.GridShown()) {
    context_.dialogs.Message("File not open!");
    return;
  }
  const auto choice = context_.dialogs.OpenFile(ui::TableFilter());
  if (!choice) return;
  const std::string target = WithTableExtension(TrimBlanks(choice->path));
  // The name the copy gets is the one tested, so that a name typed without
  // its extension never replaces the table of that name with it.
  const std::string duplicate = dbf::Tr("TStructureCommands", "Отмена копирования!\r\nDublicate file!");
  if (FileExists(target)) {
    context_.dialogs.Message(duplicate);
    return;
  }
  bool copied = false;
  ui::WriteNewFile(context_.files, target, [&](const std::string&) {
    dbf::Dbf2_lib db(context_.files.Files());
    db.DbfAssign(1, context_.table.TablePath());
    db.DbfAssign(2, target);
    copied = db.DbfCopyStructure(1, 2);
  });
  if (copied) CopyMemoFile(context_.files, context_.table.TablePath(), target);
  context_.dialogs.Message(copied ? dbf::Tr("TStructureCommands", "Копирование структуры выполнено!") : duplicate);
}

void TStructureCommands::Deletedfield1Click() {
  if (!context_.GridShown()) return;
  if (HoldsRecords(context_.table.TablePath())) {
    context_.dialogs.Message(dbf::Tr("TStructureCommands", "Необходимо очистить файл!"));
    return;
  }
  context_.window.hide();
  Creat_FForm->OpenDeleteFieldDialog(&context_.window, context_.table.TablePath());
}
