#include "export_panel.h"

#include "event_guard.h"
#include "qt_translations.h"
#include "radio_group.h"
#include "string_grid.h"
#include "table_export.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kKeepPoint = 0;     // "не заменять"
constexpr int kDecimalComma = 1;  // "заменить"

}  // namespace

TExportPanel::TExportPanel(office::OfficePanelLinks links, QWidget* parent)
    : TaskPanel({ui::Tr("TExportPanel", "Экспорт в файл MS EXCEL")}, ui::Tr("TExportPanel", "Отмена"), links.guard,
                parent),
      links_(std::move(links)) {
  RadioGroup1 = new ui::RadioGroup(ui::Tr("TExportPanel", "Заменить точку на запятую? "),
                                   {ui::Tr("TExportPanel", "не заменять"), ui::Tr("TExportPanel", "заменить")}, this);
  RadioGroup1->SetItemIndex(kKeepPoint);
  CheckBoxTyped = new QCheckBox(ui::Tr("TExportPanel", "с заголовками и типами"), this);
  Button3 = new QPushButton(ui::Tr("TExportPanel", "Выполнить"), this);
  Button11 = ExitButton();
  Body()->addWidget(RadioGroup1);
  Body()->addWidget(CheckBoxTyped);
  Body()->addWidget(Button3);
  connect(Button3, &QPushButton::clicked, this, links_.guard.Guarded([this] { Button3Click(); }));
}

void TExportPanel::ToolButton5Click() {
  if (links_.recordGrid.isHidden()) return;
  Open([this] {
    RadioGroup1->SetItemIndex(kKeepPoint);
    CheckBoxTyped->setChecked(false);
  });
}

void TExportPanel::SavetoMSEXCEL1Click() { ToolButton5Click(); }

void TExportPanel::Button3Click() {
  office::ExportLinks links{links_.dialogs, links_.session, links_.progressBar1, links_.tablePage()};
  const office::ExportStyle style{RadioGroup1->ItemIndex() == kDecimalComma, CheckBoxTyped->isChecked()};
  if (office::ExportTable(links_.tablePath(), links_.recordGrid.ColCount(), style, links)) Close();
}

void TExportPanel::N16Click() {
  if (links_.recordGrid.isHidden()) return;
  office::ExportLinks links{links_.dialogs, links_.session, links_.progressBar1, links_.tablePage()};
  office::ExportPaymentList(links_.tablePath(), links_.recordGrid.ColCount(), links);
}
