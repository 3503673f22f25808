#include "new_field_panel.h"

#include "dbf2_lib.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "enter_key.h"
#include "event_guard.h"
#include "field_input.h"
#include "file_name.h"
#include "qt_translations.h"
#include "safe_write.h"
#include "string_grid.h"
#include "table_emptiness.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Each input is cut to this many characters before it is read.
constexpr int kInputLimit = 20;
constexpr size_t kMaxNameLength = 10;
constexpr int kMaxLength = 255;
constexpr int kMaxDecimals = 55;
constexpr int kNumeric = 1;  // the item "Numeric" of ComboBox2
constexpr char kTypeLetters[] = {'C', 'N', 'L', 'D'};

const char kNameError[] = DBF_TR_NOOP("TNewFieldPanel", "Ошибка в имени поля!");
const char kLengthError[] = DBF_TR_NOOP("TNewFieldPanel", "Ошибка длины поля!");
const char kDecimalsError[] = DBF_TR_NOOP("TNewFieldPanel", "Ошибка колич.знаков после зпт!");
const char kTypeError[] = DBF_TR_NOOP("TNewFieldPanel", "Ошибка типа поля!");
const char kNotEmpty[] = DBF_TR_NOOP("TNewFieldPanel", "Необходимо очистить файл!");

bool InRange(std::optional<long long> value, int low, int high) { return value && *value >= low && *value <= high; }

}  // namespace

TNewFieldPanel::TNewFieldPanel(const TableContext& context)
    : TaskPanel({ui::Tr("TNewFieldPanel", "Изменение структуры файла."), ui::Tr("TNewFieldPanel", "Ввод нового поля.")},
                ui::Tr("TNewFieldPanel", "Выход"), context.guard, &context.panelArea),
      context_(context) {
  auto* inputs = new QFormLayout;
  Edit14 = new QLineEdit(this);
  ComboBox2 = new QComboBox(this);
  ComboBox2->addItems({QStringLiteral("Character"), QStringLiteral("Numeric"), QStringLiteral("Logic"),
                       QStringLiteral("Data")});
  Edit15 = new QLineEdit(this);
  Edit16 = new QLineEdit(this);
  inputs->addRow(ui::Tr("TNewFieldPanel", "Имя поля"), Edit14);
  inputs->addRow(ui::Tr("TNewFieldPanel", "Тип поля"), ComboBox2);
  inputs->addRow(ui::Tr("TNewFieldPanel", "Размер поля"), Edit15);
  inputs->addRow(ui::Tr("TNewFieldPanel", "Число знаков после запятой ( для числа )"), Edit16);
  Body()->addLayout(inputs);
  Button18 = new QPushButton(ui::Tr("TNewFieldPanel", "Записать"), this);
  Body()->addWidget(Button18, 0, Qt::AlignLeft);
  Button19 = ExitButton();

  ui::EventGuard& guard = context_.guard;
  OnEnterKey(Edit14, guard.Guarded([this] { Edit14KeyPress(); }));
  OnEnterKey(ComboBox2, guard.Guarded([this] { ComboBox2KeyPress(); }));
  OnEnterKey(Edit15, guard.Guarded([this] { Edit15KeyPress(); }));
  OnEnterKey(Edit16, guard.Guarded([this] { Edit16KeyPress(); }));
  context_.Hook(Button18, [this] { Button18Click(); });
}

void TNewFieldPanel::Addnewfield1Click() {
  if (!context_.GridShown() || !context_.PathGiven()) return;
  if (HoldsRecords(context_.table.TablePath())) return Say(dbf::Tr("TNewFieldPanel", kNotEmpty));
  Prepare();
}

void TNewFieldPanel::Prepare() {
  const bool opened = Open([this] {
    Edit14->clear();
    Edit15->clear();
    Edit16->setText(QStringLiteral("0"));
    ComboBox2->setCurrentIndex(0);
  });
  if (opened) Edit14->setFocus();
}

std::optional<std::string> TNewFieldPanel::FieldName() const {
  std::string name = TypedText(Edit14->text(), kInputLimit);
  if (name.empty() || name.size() > kMaxNameLength) return std::nullopt;
  return name;
}

std::optional<int> TNewFieldPanel::FieldLength() const {
  const auto length = WholeNumber(TypedText(Edit15->text(), kInputLimit));
  if (!InRange(length, 1, kMaxLength)) return std::nullopt;
  return static_cast<int>(*length);
}

std::optional<int> TNewFieldPanel::Decimals() const {
  const auto decimals = WholeNumber(TypedText(Edit16->text(), kInputLimit));
  if (!InRange(decimals, 0, kMaxDecimals)) return std::nullopt;
  return static_cast<int>(*decimals);
}

char TNewFieldPanel::TypeLetter() const {
  const int item = ComboBox2->currentIndex();
  return item >= 0 && item < static_cast<int>(sizeof kTypeLetters) ? kTypeLetters[item] : 0;
}

void TNewFieldPanel::Say(const std::string& message) { context_.dialogs.Message(message); }

void TNewFieldPanel::Edit14KeyPress() {
  if (FieldName()) {
    ComboBox2->setFocus();
  } else {
    Say(dbf::Tr("TNewFieldPanel", kNameError));
  }
}

void TNewFieldPanel::ComboBox2KeyPress() { Edit15->setFocus(); }

void TNewFieldPanel::Edit15KeyPress() {
  if (!FieldLength()) {
    Say(dbf::Tr("TNewFieldPanel", kLengthError));
  } else if (ComboBox2->currentIndex() != kNumeric) {
    Edit16->setText(QStringLiteral("0"));
    Button18->setFocus();
  } else {
    Edit16->setFocus();
  }
}

void TNewFieldPanel::Edit16KeyPress() {
  if (Decimals()) {
    Button18->setFocus();
  } else {
    Say(dbf::Tr("TNewFieldPanel", kDecimalsError));
  }
}

void TNewFieldPanel::Button18Click() {
  const auto name = FieldName();
  if (!name) return Say(dbf::Tr("TNewFieldPanel", kNameError));
  const auto length = FieldLength();
  if (!length) return Say(dbf::Tr("TNewFieldPanel", kLengthError));
  const auto decimals = Decimals();
  if (!decimals) return Say(dbf::Tr("TNewFieldPanel", kLengthError));
  const char type = TypeLetter();
  if (!type) return Say(dbf::Tr("TNewFieldPanel", kTypeError));
  if (!context_.PathGiven()) return;
  // The panel stays open while another table is opened; adding a field drops
  // every record, so the table is looked at again.
  if (HoldsRecords(context_.table.TablePath())) return Say(dbf::Tr("TNewFieldPanel", kNotEmpty));
  AddField(*name, type, *length, *decimals);
}

void TNewFieldPanel::AddField(const std::string& name, char type, int length, int decimals) {
  bool added = false;
  ui::KeepOnFailure(context_.files, context_.table.TablePath(), ui::kWholeFile, [&] {
    dbf::Dbf2_lib db(context_.files.Files());
    db.DbfAssign(1, context_.table.TablePath());
    added = db.DbfAddField(1, name, type, length, decimals);
  });
  if (!added) return Say(dbf::Tr("TNewFieldPanel", "Нет места для нового поля в заголовке файла!"));
  context_.table.StructureChanged();
  InputUsed();
  Say(dbf::Tr("TNewFieldPanel", "Структура файла изменена.\r\nНовое поле введено!"));
  Edit14->setFocus();
}

