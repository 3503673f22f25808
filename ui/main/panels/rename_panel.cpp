#include "rename_panel.h"

#include "code_page.h"
#include "dbf2_lib.h"
#include "dbf_file.h"
#include "dbf_names.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "field_input.h"
#include "header_fields.h"
#include "int_text.h"
#include "qt_translations.h"
#include "safe_write.h"
#include "string_grid.h"
#include "table_command_steps.h"

#include <QAction>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr size_t kMaxNameLength = 10;
constexpr int kNameColumn = 2;
constexpr int kParametersColumn = 1;


// Names compare trimmed and in capitals.
std::string Comparable(const std::string& name) { return dbf::UpperAnsi(dbf::TrimName(name)); }

}  // namespace

TRenamePanel::TRenamePanel(const TableContext& context)
    : TaskPanel({ui::Tr("TRenamePanel", "Изменение имени поля.")}, ui::Tr("TRenamePanel", "Отмена"), context.guard,
                &context.panelArea),
      context_(context) {
  auto* inputs = new QFormLayout;
  Edit12 = new QLineEdit(this);
  StaticText3 = new QLabel(this);
  Button17 = new QPushButton(ui::Tr("TRenamePanel", "Обзор имен"), this);
  Edit13 = new QLineEdit(this);
  inputs->addRow(ui::Tr("TRenamePanel", "Имя поля для изменения"), Edit12);
  inputs->addRow(StaticText3, Button17);
  inputs->addRow(ui::Tr("TRenamePanel", "Новое имя поля ( реквизита )"), Edit13);
  Body()->addLayout(inputs);
  Button15 = new QPushButton(ui::Tr("TRenamePanel", "Изменить"), this);
  Body()->addWidget(Button15, 0, Qt::AlignLeft);
  Button16 = ExitButton();

  // The list floats over the grid area beside the panel; it stays usable
  // while the panel is disabled.
  StringGrid4 = new ui::StringGrid(&context.panelArea);
  StringGrid4->SetOptions(ui::GridOption::FixedVertLine | ui::GridOption::FixedHorzLine |
                          ui::GridOption::VertLine | ui::GridOption::HorzLine | ui::GridOption::RowSelect);
  StringGrid4->SetColCount(3);
  StringGrid4->SetFixedCols(2);
  StringGrid4->SetColWidth(0, 80);
  StringGrid4->SetColWidth(1, 80);
  StringGrid4->SetColWidth(2, 132);
  StringGrid4->hide();
  StringGrid4->onKeyPress = [this](int& key) { context_.guard.Run([this, &key] { StringGrid4KeyPress(key); }); };
  StringGrid4->onDoubleClick = [this](int row, int) { context_.guard.Run([this, row] { PickField(row); }); };

  context_.Hook(Button17, [this] { Button17Click(); });
  context_.Hook(Button15, [this] { Button15Click(); });
}

void TRenamePanel::N11Click() {
  if (!context_.GridShown()) return;
  Open([this] {
    Edit12->clear();
    Edit13->clear();
    StaticText3->clear();
  });
}

void TRenamePanel::Button17Click() {
  StringGrid4->SetRowCount(1);
  StringGrid4->SetRow(
      0, {ui::EncodeTyped(ui::Tr("TRenamePanel", "№ п/п")), ui::EncodeTyped(ui::Tr("TRenamePanel", "Параметры")),
          ui::EncodeTyped(ui::Tr("TRenamePanel", "Имя поля"))});
  dbf::TableFile file;
  OpenBytesOrFail(file, context_.table.TablePath(), TableAccess::Read);
  const RawHeader header = ReadRawHeader(file);
  if (header.fields < 1) return context_.dialogs.Message("No field in file!");
  StringGrid4->SetRowCount(header.fields + 1);
  StringGrid4->SetFixedRows(1);
  for (int i = 0; i < header.fields; ++i) {
    const char* descriptor = header.Descriptor(i);
    const std::string number = ui::RightAligned(i + 1, 5);
    const std::string parameters = DescriptorParameters(descriptor);
    const std::string name = DescriptorName(descriptor);
    StringGrid4->SetRow(i + 1, {number, parameters, name});
  }
  setEnabled(false);
  const QWidget* area = StringGrid4->parentWidget();
  StringGrid4->setGeometry(std::max(0, area->width() - 320), 40, 300, std::clamp(area->height() - 40, 100, 260));
  StringGrid4->SetSelectedCell(1, kNameColumn);
  StringGrid4->show();
  StringGrid4->raise();
  StringGrid4->setFocus();
}

void TRenamePanel::StringGrid4KeyPress(int& key) {
  if (key == kEnter) {
    PickField(StringGrid4->Row());
  } else if (key == kEscape) {
    CloseFieldList();
  }
}

void TRenamePanel::PickField(int row) {
  Edit12->setText(ui::DecodeCell(StringGrid4->Cell(row, kNameColumn), ui::CodePage::Windows1251).trimmed());
  StaticText3->setText(QString::fromStdString(StringGrid4->Cell(row, kParametersColumn)).trimmed());
  CloseFieldList();
  Edit13->setFocus();
}

void TRenamePanel::CloseFieldList() {
  setEnabled(true);
  StringGrid4->hide();
}

void TRenamePanel::Button15Click() {
  // Stored in capitals, as the column commands look names up.
  const std::string newName = dbf::UpperAnsi(TypedText(Edit13->text(), Edit13->text().size()));
  if (newName.empty() || newName.size() > kMaxNameLength)
    return context_.dialogs.Message(dbf::Tr("TRenamePanel", "Ошибка нового имени поля!"));
  const std::string refusal = RenameField(newName);
  if (!refusal.empty()) return context_.dialogs.Message(refusal);
  InputUsed();
  RefreshGridHeader();
}

std::string TRenamePanel::RenameField(const std::string& newName) {
  dbf::TableFile file(context_.files.Files());
  OpenBytesOrFail(file, context_.table.TablePath(), TableAccess::Write);
  const RawHeader header = ReadRawHeader(file);
  if (header.fields < 1) return "No field in file!";
  const std::string oldName = Comparable(TypedText(Edit12->text(), Edit12->text().size()));
  for (int i = 0; i < header.fields; ++i) {
    if (Comparable(DescriptorName(header.Descriptor(i))) != oldName) continue;
    char descriptor[kDescriptorBytes];
    std::memcpy(descriptor, header.Descriptor(i), kDescriptorBytes);
    std::memset(descriptor, 0, kMaxNameLength);
    std::memcpy(descriptor, newName.data(), newName.size());
    // The descriptor goes in one write; one stopped part way is put back.
    const int64_t position = RawHeader::DescriptorPosition(i);
    ui::KeepOnFailure(context_.files, context_.table.TablePath(), position + static_cast<int64_t>(kDescriptorBytes),
                      [&] { file.WriteAt(position, descriptor, kDescriptorBytes); });
    return {};
  }
  return "Error name field for correct!";
}

void TRenamePanel::RefreshGridHeader() { context_.table.StructureChanged(); }

void TRenamePanel::Closing() { CloseFieldList(); }
