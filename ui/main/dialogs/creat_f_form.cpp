#include "creat_f_form.h"

#include "code_page.h"
#include "dbf2_lib.h"
#include "dbf_file.h"
#include "dbf_names.h"
#include "dbf_texts.h"
#include "enter_key.h"
#include "event_guard.h"
#include "field_input.h"
#include "header_fields.h"
#include "safe_write.h"
#include "table_file_messages.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <stdexcept>

namespace {

constexpr int kNameLimit = 40;

// The file's field descriptors as the list shows them; nothing when the file
// cannot be opened.
std::optional<RawHeader> ReadFields(const std::string& path) {
  dbf::TableFile file;
  if (!file.OpenForReading(path)) return std::nullopt;
  return ReadRawHeader(file);
}

// Whether a field answers to `name` by the rule the engine deletes by:
// trimmed, in capitals, cut to ten bytes.
bool HasField(const RawHeader& header, const std::string& name) {
  const std::string wanted = dbf::NormalName(name);
  for (int i = 0; i < header.fields; ++i) {
    if (dbf::NormalName(DescriptorName(header.Descriptor(i))) == wanted) return true;
  }
  return false;
}

}  // namespace

TCreat_FForm::TCreat_FForm(ui::EventGuard& guard, ui::FileServices& files)
    : QWidget(nullptr, Qt::Window), guard_(guard), files_(files) {
  setAutoFillBackground(true);
  QPalette green = palette();
  green.setColor(QPalette::Window, QColor(0, 128, 0));
  green.setColor(QPalette::WindowText, Qt::white);
  setPalette(green);
  auto* grid = new QGridLayout(this);
  Label3 = new QLabel(QStringLiteral("Path file : "), this);
  Label4 = new QLabel(this);
  Label6 = new QLabel(QStringLiteral("List of all fields"), this);
  ComboBox1 = new QComboBox(this);
  Label5 = new QLabel(QStringLiteral("Name field for deleted"), this);
  Edit1 = new QLineEdit(this);
  Button2 = new QPushButton(QStringLiteral("Deleted field"), this);
  Button3 = new QPushButton(QStringLiteral("EXIT"), this);
  grid->addWidget(Label3, 0, 0);
  grid->addWidget(Label4, 0, 1, 1, 2);
  grid->addWidget(Label6, 1, 0);
  grid->addWidget(ComboBox1, 2, 0);
  grid->addWidget(Label5, 1, 1);
  grid->addWidget(Edit1, 2, 1);
  grid->addWidget(Button2, 3, 1);
  grid->addWidget(Button3, 3, 2);
  resize(520, 180);

  OnEnterKey(ComboBox1, guard_.Guarded([this] { ComboBox1KeyPress(); }));
  // A field picked from the list, by mouse or arrow keys, is taken as Enter is.
  connect(ComboBox1, &QComboBox::activated, this, guard_.Guarded([this] { ComboBox1KeyPress(); }));
  OnEnterKey(Edit1, guard_.Guarded([this] { Edit1KeyPress(); }));
  connect(Button2, &QPushButton::clicked, this, guard_.Guarded([this] { Button2Click(); }));
  connect(Button3, &QPushButton::clicked, this, guard_.Guarded([this] { Button3Click(); }));
}

TCreat_FForm::~TCreat_FForm() = default;

void TCreat_FForm::Say(const std::string& message) { guard_.Dialogs().Message(message); }

void TCreat_FForm::OpenDeleteFieldDialog(QWidget* caller, const std::string& path) {
  caller_ = caller;
  path_ = path;
  setWindowTitle(QStringLiteral("Deleted Field file DBF"));
  Label4->setText(QString::fromStdString(path_));
  Edit1->clear();
  ComboBox1->clear();
  engine_ = std::make_unique<dbf::Dbf2_lib>(files_.Files());
  engine_->DbfAssign(1, path_);
  FillFieldList();
  show();
  raise();
  activateWindow();
}

void TCreat_FForm::FillFieldList() {
  const std::optional<RawHeader> header = ReadFields(path_);
  if (!header) throw std::runtime_error(CannotReadMessage(path_));
  if (header->fields < 1) return Say("No field in file!");
  for (int i = 0; i < header->fields; ++i) {
    ComboBox1->addItem(ui::DecodeCell(DescriptorName(header->Descriptor(i)), ui::CodePage::Windows1251));
  }
}

void TCreat_FForm::ComboBox1KeyPress() {
  if (ComboBox1->currentIndex() < 0) return;
  Edit1->setText(ComboBox1->currentText().trimmed().left(kNameLimit));
  Edit1->setFocus();
}

void TCreat_FForm::Edit1KeyPress() { Button2->setFocus(); }

void TCreat_FForm::Button2Click() {
  const std::string name = TypedText(Edit1->text().trimmed(), kNameLimit);
  const std::optional<RawHeader> before = ReadFields(path_);
  if (!before) throw std::runtime_error(CannotReadMessage(path_));
  // The engine rewrites the header even when no field matches, so a name
  // that matches none never reaches it.
  if (!HasField(*before, name)) return Say(dbf::Tr("TCreat_FForm", "Поле не найдено!"));
  ui::KeepOnFailure(files_, path_, ui::kWholeFile, [&] { engine_->DbfDeleteField(1, name); });
  const std::optional<RawHeader> after = ReadFields(path_);
  const bool removed = after && after->fields < before->fields;
  Say(removed ? dbf::Tr("TCreat_FForm", "Структура файла изменена.\r\nПоле удалено!")
              : dbf::Tr("TCreat_FForm", "Поле не найдено!"));
  ComboBox1->clear();
  FillFieldList();
  ComboBox1->setFocus();
  if (removed && onStructureChanged) onStructureChanged(path_);
}

void TCreat_FForm::Button3Click() { FormClose(); }

void TCreat_FForm::FormClose() {
  if (engine_) engine_->DbfCloseAll();
  engine_.reset();
  hide();
  if (caller_) caller_->show();
}

void TCreat_FForm::closeEvent(QCloseEvent* event) {
  guard_.Run([this] { FormClose(); });
  event->accept();
}
