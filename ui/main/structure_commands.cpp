#include "structure_commands.h"

#include "creat_f_form.h"
#include "dbf2_lib.h"
#include "file_name.h"
#include "main_window.h"
#include "new_field_panel.h"
#include "table_emptiness.h"

#include <QAction>
#include <QLabel>

#include <filesystem>
#include <functional>

namespace {


// Runs the writing of a file the command creates; a failure part way removes
// the unfinished file before it is reported.
void CreateOrRemove(const std::string& path, const std::function<void()>& write) {
  try {
    write();
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    throw;
  }
}

}  // namespace

TStructureCommands::TStructureCommands(TForm2& form)
    : QObject(&form), Creat_FForm(std::make_unique<TCreat_FForm>(form.Guard())), form_(form) {
  form_.Hook(form_.CreateFile1, [this] { CreateFile1Click(); });
  form_.Hook(form_.CopyStructurefile1, [this] { CopyStructurefile1Click(); });
  form_.Hook(form_.Deletedfield1, [this] { Deletedfield1Click(); });
  // The grid shows the fields the table has: a field deleted from the table
  // on show takes its column with it.
  Creat_FForm->onStructureChanged = [this](const std::string& path) {
    if (path == form_.Table().TablePath) form_.TableStructureChanged();
  };
}

TStructureCommands::~TStructureCommands() = default;

void TStructureCommands::CreateFile1Click() {
  const auto choice = form_.Dialogs().SaveFile(ui::kTableFilter);
  if (!choice) return;
  form_.Table().TablePath = TrimBlanks(choice->path);
  form_.StaticText2->setText(QString::fromStdString(form_.Table().TablePath));
  if (FileExists(form_.Table().TablePath)) {
    form_.Dialogs().Message("ERROR!!!\r\nDeblicate File Name!");
    return;
  }
  CreateOrRemove(form_.Table().TablePath, [this] {
    dbf::Dbf2_lib db;
    db.DbfCreate(1, 2, form_.Table().TablePath);
    db.DbfCloseAll();
  });
  form_.Panel8->Prepare();
}

void TStructureCommands::CopyStructurefile1Click() {
  if (!form_.GridShown()) {
    form_.Dialogs().Message("File not open!");
    return;
  }
  const auto choice = form_.Dialogs().OpenFile(ui::kTableFilter);
  if (!choice) return;
  std::string target = TrimBlanks(choice->path);
  if (LowerExtension(target).empty()) target += ".dbf";
  // The name the copy gets is the one tested, so that a name typed without
  // its extension never replaces the table of that name with it.
  const char duplicate[] = "Отмена копирования!\r\nDublicate file!";
  if (FileExists(target)) {
    form_.Dialogs().Message(duplicate);
    return;
  }
  form_.Table().SecondPath = choice->path;
  bool copied = false;
  CreateOrRemove(target, [&] {
    dbf::Dbf2_lib db;
    db.DbfAssign(1, form_.Table().TablePath);
    db.DbfAssign(2, target);
    copied = db.DbfCopyStructure(1, 2);
  });
  form_.Dialogs().Message(copied ? "Копирование структуры выполнено!" : duplicate);
}

void TStructureCommands::Deletedfield1Click() {
  if (!form_.GridShown()) return;
  if (HoldsRecords(form_.Table().TablePath)) {
    form_.Dialogs().Message("Необходимо очистить файл!");
    return;
  }
  form_.hide();
  Creat_FForm->OpenDeleteFieldDialog(&form_, form_.Table().TablePath);
}
