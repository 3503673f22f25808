#include "repair_panel.h"

#include "dbf_file.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "file_name.h"
#include "header_repair.h"
#include "output_name.h"
#include "progress.h"
#include "qt_translations.h"
#include "radio_group.h"
#include "safe_write.h"
#include "string_grid.h"
#include "table_command_steps.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int kRecomputeOffsets = 1;  // the item "редактировать" of RadioGroup4

}  // namespace

TRepairPanel::TRepairPanel(const TableContext& context)
    : TaskPanel({ui::Tr("TRepairPanel", "Реорганизовать структуру файла.")}, ui::Tr("TRepairPanel", "Отмена"),
                context.guard, &context.panelArea),
      context_(context) {
  RadioGroup4 =
      new ui::RadioGroup(ui::Tr("TRepairPanel", "  Смещение поля в записи  "),
                         {ui::Tr("TRepairPanel", "не редактировать"), ui::Tr("TRepairPanel", "редактировать")}, this);
  auto* files = new QGridLayout;
  Edit10 = new QLineEdit(this);
  Button13 = new QPushButton(ui::Tr("TRepairPanel", "Обзор"), this);
  Edit11 = new QLineEdit(this);
  Button14 = new QPushButton(ui::Tr("TRepairPanel", "Обзор"), this);
  files->addWidget(new QLabel(ui::Tr("TRepairPanel", "Исходный файл."), this), 0, 0);
  files->addWidget(Edit10, 1, 0);
  files->addWidget(Button13, 1, 1);
  files->addWidget(new QLabel(ui::Tr("TRepairPanel", "Результирующий файл"), this), 2, 0);
  files->addWidget(Edit11, 3, 0);
  files->addWidget(Button14, 3, 1);
  ProgressBar3 = new QProgressBar(this);
  ProgressBar3->hide();
  Button10 = new QPushButton(ui::Tr("TRepairPanel", "Выполнить"), this);
  Body()->addWidget(RadioGroup4);
  Body()->addLayout(files);
  Body()->addWidget(ProgressBar3);
  Body()->addWidget(Button10, 0, Qt::AlignLeft);
  Button12 = ExitButton();

  context_.Hook(Button13, [this] { Button13Click(); });
  context_.Hook(Button14, [this] { Button14Click(); });
  context_.Hook(Button10, [this] { Button10Click(); });
}

void TRepairPanel::N10Click() {
  Open([this] {
    Edit10->clear();
    Edit11->clear();
    RadioGroup4->SetItemIndex(0);
    ProgressBar3->hide();
  });
}

void TRepairPanel::Button13Click() {
  const auto choice = context_.dialogs.OpenFile(ui::TableFilter());
  if (!choice) return;
  context_.table.PointAt(choice->path);
  Edit10->setText(QString::fromStdString(TrimBlanks(choice->path)));
}

void TRepairPanel::Button14Click() {
  const auto choice = context_.dialogs.SaveFile(ui::TableFilter());
  if (!choice) return;
  Edit11->setText(QString::fromStdString(TrimBlanks(choice->path)));
}

void TRepairPanel::Button10Click() {
  const std::string sourcePath = TrimBlanks(Edit10->text().toStdString());
  const std::string resultPath = TrimBlanks(Edit11->text().toStdString());
  if (sourcePath.empty() || resultPath.empty()) return;
  context_.table.PointAt(sourcePath);
  // Creating the result empties it: when it is the source itself, under any
  // spelling, the table would be gone before it was read.
  if (dbf::TableFile::SameFile(sourcePath, resultPath)) {
    context_.dialogs.Message(dbf::Tr("TRepairPanel", "Результирующий файл совпадает с исходным!"));
    return;
  }
  dbf::TableFile source;
  OpenBytesOrFail(source, sourcePath, TableAccess::Read);
  bool repaired = false;
  // The result is written whole before it takes its name, so that a stop or
  // failure part way leaves no half-made file (nor loses one that was there).
  const auto repair = [&](const std::string& file) {
    dbf::TableFile result(context_.files.Files());
    result.Create(file);
    ui::Progress progress(ProgressBar3, source.Size());
    repaired = RepairHeader(source, result, RadioGroup4->ItemIndex() == kRecomputeOffsets,
                            [&progress](int64_t position) { progress.Set(position); });
    result.Close();
  };
  ui::RefuseLinkAt(resultPath);
  if (FileExists(resultPath)) {
    ui::ReplaceFileContents(context_.files, resultPath, {repair});
  } else {
    ui::WriteNewFile(context_.files, resultPath, repair);
  }
  if (!repaired) {
    context_.dialogs.Message("No field in file!");
    return;
  }
  source.Close();
  context_.dialogs.Message("Correct End!");
  Close();
}
