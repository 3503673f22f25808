#include "new_field_panel.h"

#include "dbf2_lib.h"
#include "dialog_service.h"
#include "enter_key.h"
#include "event_guard.h"
#include "field_input.h"
#include "file_name.h"
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

const char kNameError[] = "Ошибка в имени поля!";
const char kLengthError[] = "Ошибка длины поля!";
const char kDecimalsError[] = "Ошибка колич.знаков после зпт!";
const char kTypeError[] = "Ошибка типа поля!";
const char kNotEmpty[] = "Необходимо очистить файл!";

bool InRange(std::optional<long long> value, int low, int high) { return value && *value >= low && *value <= high; }

}  // namespace

TNewFieldPanel::TNewFieldPanel(const TableContext& context)
    : TaskPanel({QString::fromUtf8("Изменение структуры файла."), QString::fromUtf8("Ввод нового поля.")},
                QString::fromUtf8("Выход"), &context.panelArea),
      context_(context) {
  auto* inputs = new QFormLayout;
  Edit14 = new QLineEdit(this);
  ComboBox2 = new QComboBox(this);
  ComboBox2->addItems({QStringLiteral("Character"), QStringLiteral("Numeric"), QStringLiteral("Logic"),
                       QStringLiteral("Data")});
  Edit15 = new QLineEdit(this);
  Edit16 = new QLineEdit(this);
  inputs->addRow(QString::fromUtf8("Имя поля"), Edit14);
  inputs->addRow(QString::fromUtf8("Тип поля"), ComboBox2);
  inputs->addRow(QString::fromUtf8("Размер поля"), Edit15);
  inputs->addRow(QString::fromUtf8("Число знаков после запятой ( для числа )"), Edit16);
  Body()->addLayout(inputs);
  Button18 = new QPushButton(QString::fromUtf8("Записать"), this);
  Body()->addWidget(Button18, 0, Qt::AlignLeft);
  Button19 = ExitButton();

  ui::EventGuard& guard = context_.guard;
  OnEnterKey(Edit14, guard.Guarded([this] { Edit14KeyPress(); }));
  OnEnterKey(ComboBox2, guard.Guarded([this] { ComboBox2KeyPress(); }));
  OnEnterKey(Edit15, guard.Guarded([this] { Edit15KeyPress(); }));
  OnEnterKey(Edit16, guard.Guarded([this] { Edit16KeyPress(); }));
  context_.Hook(Button18, [this] { Button18Click(); });
  context_.Hook(Button19, [this] { Button19Click(); });
}

void TNewFieldPanel::Addnewfield1Click() {
  if (!context_.GridShown() || !context_.PathGiven()) return;
  if (HoldsRecords(context_.table.TablePath)) return Say(kNotEmpty);
  Prepare();
}

void TNewFieldPanel::Prepare() {
  Edit14->clear();
  Edit15->clear();
  Edit16->setText(QStringLiteral("0"));
  ComboBox2->setCurrentIndex(0);
  show();
  raise();
  Edit14->setFocus();
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

void TNewFieldPanel::Say(const char* message) { context_.dialogs.Message(message); }

void TNewFieldPanel::Edit14KeyPress() {
  if (FieldName()) {
    ComboBox2->setFocus();
  } else {
    Say(kNameError);
  }
}

void TNewFieldPanel::ComboBox2KeyPress() { Edit15->setFocus(); }

void TNewFieldPanel::Edit15KeyPress() {
  if (!FieldLength()) {
    Say(kLengthError);
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
    Say(kDecimalsError);
  }
}

void TNewFieldPanel::Button18Click() {
  const auto name = FieldName();
  if (!name) return Say(kNameError);
  const auto length = FieldLength();
  if (!length) return Say(kLengthError);
  const auto decimals = Decimals();
  if (!decimals) return Say(kLengthError);
  const char type = TypeLetter();
  if (!type) return Say(kTypeError);
  if (!context_.PathGiven()) return;
  // The panel stays open while another table is opened; adding a field drops
  // every record, so the table is looked at again.
  if (HoldsRecords(context_.table.TablePath)) return Say(kNotEmpty);
  AddField(*name, type, *length, *decimals);
}

void TNewFieldPanel::AddField(const std::string& name, char type, int length, int decimals) {
  bool added = false;
  ui::KeepOnFailure(context_.table.TablePath, ui::kWholeFile, [&] {
    dbf::Dbf2_lib db;
    db.DbfAssign(1, context_.table.TablePath);
    added = db.DbfAddField(1, name, type, length, decimals);
  });
  if (!added) return Say("Нет места для нового поля в заголовке файла!");
  context_.table.StructureChanged();
  Say("Структура файла изменена.\r\nНовое поле введено!");
  Edit14->setFocus();
}

void TNewFieldPanel::Button19Click() { hide(); }
