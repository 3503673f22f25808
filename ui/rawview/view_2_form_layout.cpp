// The controls of TView_2_Form: menus, the view's panels and the three
// operation panels, and which handler each of them runs.
#include "dbf_texts.h"
#include "qt_translations.h"
#include "radio_group.h"
#include "view_2_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace rawview {

namespace {

QFrame* NewPanel(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameShape(QFrame::StyledPanel);
  return panel;
}

QLineEdit* AddEdit(QFormLayout* form, const QString& caption, QLabel** label = nullptr) {
  auto* edit = new QLineEdit(form->parentWidget());
  auto* text = new QLabel(caption, form->parentWidget());
  form->addRow(text, edit);
  if (label) *label = text;
  return edit;
}

constexpr char kDbfWarning[] = DBF_TR_NOOP(
    "TView_2_Form", "   Внимание!  1-м символом записи в файле DBF  символ 32 (пробел) или 42 (звездочка)  ");

}  // namespace

TView_2_Form::TView_2_Form(ui::EventGuard& guard, QWidget* parent) : QMainWindow(parent), guard_(guard) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  setCentralWidget(central);
  BuildMenus();
  BuildViewPanels();
  BuildOperationPanels();
  layout->addWidget(Panel1);
  layout->addWidget(Panel2, 1);
  layout->addWidget(Gauge3);
  layout->addWidget(Panel4);
  layout->addWidget(Panel7);
  layout->addWidget(Panel8);
  // Shown only by the command or the window that needs them.
  for (QWidget* w : std::initializer_list<QWidget*>{Panel5, Panel6, Panel9, Panel8, Gauge1, Gauge2}) w->hide();
}

TView_2_Form::~TView_2_Form() {
  // The grid goes first, while the document its store shows is still alive:
  // closing the window would otherwise commit an open cell editor into it.
  StringGrid1->onClick = nullptr;
  StringGrid1->onKeyPress = nullptr;
  StringGrid1->onSelectCell = nullptr;
  delete StringGrid1;
}

void TView_2_Form::Wire(QAction* action, Handler handler) {
  QObject::connect(action, &QAction::triggered, this, guard_.Guarded([this, handler] { (this->*handler)(); }));
}

void TView_2_Form::Wire(QPushButton* button, Handler handler) {
  QObject::connect(button, &QPushButton::clicked, this, guard_.Guarded([this, handler] { (this->*handler)(); }));
}

// Enter (code 13) in an edit; other keys do nothing.
void TView_2_Form::Wire(QLineEdit* edit, Handler handler) {
  QObject::connect(edit, &QLineEdit::returnPressed, this, guard_.Guarded([this, handler] { (this->*handler)(); }));
}

void TView_2_Form::BuildMenus() {
  Files = menuBar()->addMenu(ui::Tr("TView_2_Form", "Файлы"));
  N9 = Files->addAction(ui::Tr("TView_2_Form", "Открыть файл"));
  N6 = Files->addAction(ui::Tr("TView_2_Form", "Сохранить"));
  N7 = Files->addAction(ui::Tr("TView_2_Form", "Сохранить как :"));
  Operations = menuBar()->addMenu(ui::Tr("TView_2_Form", "Операции"));
  N3 = Operations->addAction(ui::Tr("TView_2_Form", "Корректировать как текст"));
  N4 = Operations->addAction(ui::Tr("TView_2_Form", "Отмена корректировки"));
  N10 = Operations->addAction(ui::Tr("TView_2_Form", "Копировать текст в буфер"));
  N11 = Operations->addAction(ui::Tr("TView_2_Form", "Вставить текст из буфера"));
  N12 = Operations->addAction(ui::Tr("TView_2_Form", "Вставить  символы"));
  N13 = Operations->addAction(ui::Tr("TView_2_Form", "Удалить символы"));
  FontItem = menuBar()->addAction(ui::Tr("TView_2_Form", "Шрифт"));
  N2 = menuBar()->addAction(ui::Tr("TView_2_Form", "Выход"));
  Wire(N9, &TView_2_Form::N9Click);
  Wire(N6, &TView_2_Form::N6Click);
  Wire(N7, &TView_2_Form::N7Click);
  Wire(N3, &TView_2_Form::N3Click);
  Wire(N4, &TView_2_Form::N4Click);
  Wire(N10, &TView_2_Form::N10Click);
  Wire(N11, &TView_2_Form::N11Click);
  Wire(N12, &TView_2_Form::N12Click);
  Wire(N13, &TView_2_Form::N13Click);
  Wire(FontItem, &TView_2_Form::N5Click);
  Wire(N2, &TView_2_Form::N2Click);
}

void TView_2_Form::BuildViewPanels() {
  Panel1 = NewPanel(this);
  Label1 = new QLabel(Panel1);
  (new QHBoxLayout(Panel1))->addWidget(Label1);

  Panel2 = NewPanel(this);
  auto* panel2Layout = new QVBoxLayout(Panel2);
  StringGrid1 = new ui::StringGrid(Panel2);
  StringGrid1->SetStore(std::make_unique<CharTableStore>(doc_));
  panel2Layout->addWidget(StringGrid1, 1);
  StringGrid1->onClick = [this] { guard_.Run([this] { StringGrid1Click(); }); };
  StringGrid1->onKeyPress = [this](int& key) { guard_.Run([this, &key] { StringGrid1KeyPress(key); }); };
  StringGrid1->onSelectCell = [this](int row, int col, bool& canSelect) {
    guard_.Run([&] { StringGrid1SelectCell(row, col, canSelect); });
  };

  Panel3 = NewPanel(Panel2);
  // The controls under the grid scroll in a window too low for them.
  auto* below = new QScrollArea(Panel2);
  below->setFrameShape(QFrame::NoFrame);
  below->setWidgetResizable(true);
  below->setWidget(Panel3);
  panel2Layout->addWidget(below);
  auto* panel3Layout = new QHBoxLayout(Panel3);
  auto* left = new QVBoxLayout;
  panel3Layout->addLayout(left);
  Label2 = new QLabel(Panel3);
  CheckBox1 = new QCheckBox(ui::Tr("TView_2_Form", "Переключение кода ( DOS , Windows )"), Panel3);
  CheckBox1->setTristate(true);
  CheckBox1->setCheckState(Qt::Checked);
  CheckBox1Click();  // the grid draws in the code page the switch shows
  QObject::connect(CheckBox1, &QCheckBox::clicked, this, guard_.Guarded([this] { CheckBox1Click(); }));
  RadioGroup1 = new ui::RadioGroup(ui::Tr("TView_2_Form", "Просмотр шапки файла"),
                                   {ui::Tr("TView_2_Form", "Как заголовок шапки"),
                                    ui::Tr("TView_2_Form", "Как описание поля "),
                                    ui::Tr("TView_2_Form", "Не разворачивать")},
                                   Panel3);
  RadioGroup1->onClick = [this] { guard_.Run([this] { RadioGroup1Click(); }); };
  left->addWidget(Label2);
  left->addWidget(CheckBox1);
  left->addWidget(RadioGroup1);
  left->addStretch();

  Panel5 = NewPanel(Panel3);
  auto* header = new QFormLayout(Panel5);
  Edit6 = AddEdit(header, ui::Tr("TView_2_Form", "№ версии"));
  Edit7 = AddEdit(header, ui::Tr("TView_2_Form", "(гг.мм.дд) дата последнего изменения"));
  Edit8 = AddEdit(header, ui::Tr("TView_2_Form", "размер всего заголовка"));
  Edit9 = AddEdit(header, ui::Tr("TView_2_Form", "длина записи"));
  Edit10 = AddEdit(header, ui::Tr("TView_2_Form", "число записей в файле"));
  Button4 = new QPushButton(ui::Tr("TView_2_Form", "Сохранить в таблице"), Panel5);
  header->addRow(Button4);
  Wire(Button4, &TView_2_Form::Button4Click);

  Panel6 = NewPanel(Panel3);
  auto* field = new QFormLayout(Panel6);
  Edit11 = AddEdit(field, ui::Tr("TView_2_Form", "Имя поля"));
  Edit12 = AddEdit(field, ui::Tr("TView_2_Form", "Тип поля"));
  Edit13 = AddEdit(field, ui::Tr("TView_2_Form", "Длина поля"));
  Edit14 = AddEdit(field, ui::Tr("TView_2_Form", "Смещение поля в записи"));
  Edit15 = AddEdit(field, ui::Tr("TView_2_Form", "Колич. десятичных цифр после точки"));
  Button5 = new QPushButton(ui::Tr("TView_2_Form", "Сохранить"), Panel6);
  field->addRow(Button5);
  Wire(Button5, &TView_2_Form::Button5Click);

  Panel9 = NewPanel(Panel3);
  auto* paste = new QFormLayout(Panel9);
  RadioGroup3 = new ui::RadioGroup(ui::Tr("TView_2_Form", " Вставить символы "),
                                   {ui::Tr("TView_2_Form", "В начало файла"),
                                    ui::Tr("TView_2_Form", "После указанного символа"),
                                    ui::Tr("TView_2_Form", "В конец файла")},
                                   Panel9);
  RadioGroup3->onClick = [this] { guard_.Run([this] { RadioGroup3Click(); }); };
  paste->addRow(RadioGroup3);
  Edit23 = AddEdit(paste, ui::Tr("TView_2_Form", "Номер символа в строке"), &Label31);
  Edit24 = AddEdit(paste, ui::Tr("TView_2_Form", "Номер строки"), &Label32);
  Button9 = new QPushButton(ui::Tr("TView_2_Form", "Выполнить"), Panel9);
  Button10 = new QPushButton(ui::Tr("TView_2_Form", "Выход"), Panel9);
  paste->addRow(Button9, Button10);
  Wire(Button9, &TView_2_Form::Button9Click);
  Wire(Button10, &TView_2_Form::Button10Click);
  Wire(Edit23, &TView_2_Form::Edit23KeyPress);
  Wire(Edit24, &TView_2_Form::Edit24KeyPress);

  panel3Layout->addWidget(Panel5, 1);
  panel3Layout->addWidget(Panel6, 1);
  panel3Layout->addWidget(Panel9, 1);

  Gauge3 = new QProgressBar(this);
  Gauge3->hide();
}

void TView_2_Form::BuildOperationPanels() {
  Panel4 = NewPanel(this);
  auto* copy = new QFormLayout(Panel4);
  copy->addRow(new QLabel(
      ui::Tr("TView_2_Form", "  Внимание!   1-м символом записи в файле DBF символ 32 (пробел) или 42 (звездочка)"),
      Panel4));
  Edit2 = AddEdit(copy, ui::Tr("TView_2_Form", "Номер 1-го символа в строке для копирования (  от 1-го до 16-ти )"));
  Edit3 = AddEdit(copy, ui::Tr("TView_2_Form", "Номер 1-й строки для копирования"));
  Edit4 = AddEdit(copy,
                  ui::Tr("TView_2_Form", "Номер последнего символа для копирования  -  0 ( нуль ) до конца файла"));
  Edit5 = AddEdit(copy, ui::Tr("TView_2_Form", "Номер последней строки для копирования"));
  Button2 = new QPushButton(ui::Tr("TView_2_Form", "Копировать"), Panel4);
  Button3 = new QPushButton(ui::Tr("TView_2_Form", "Выход"), Panel4);
  copy->addRow(Button2, Button3);
  Gauge1 = new QProgressBar(Panel4);
  copy->addRow(Gauge1);
  Wire(Button2, &TView_2_Form::Button2Click);
  Wire(Button3, &TView_2_Form::Button3Click);
  Wire(Edit2, &TView_2_Form::Edit2KeyPress);
  Wire(Edit3, &TView_2_Form::Edit3KeyPress);
  Wire(Edit4, &TView_2_Form::Edit4KeyPress);
  Wire(Edit5, &TView_2_Form::Edit5KeyPress);

  Panel7 = NewPanel(this);
  auto* insert = new QFormLayout(Panel7);
  Label4 = new QLabel(ui::Tr("TView_2_Form", "   Вставить  символы   "), Panel7);
  insert->addRow(Label4);
  insert->addRow(new QLabel(ui::Tr("TView_2_Form", kDbfWarning), Panel7));
  Edit1 = AddEdit(insert, ui::Tr("TView_2_Form", "Номер первого символа от 1 до 16"));
  Edit16 = AddEdit(insert, ui::Tr("TView_2_Form", "Номер строки в таблице указанного символа"));
  Edit17 = AddEdit(insert, ui::Tr("TView_2_Form", "Количество  всталяемых  символов"));
  Edit18 = AddEdit(insert, ui::Tr("TView_2_Form", "Десятичный код символа от 0 до 255"), &Label23);
  Label24 = new QLabel(Panel7);
  insert->addRow(Label24);
  RadioGroup2 = new ui::RadioGroup(ui::Tr("TView_2_Form", "  Вставить символы  "),
                                   {ui::Tr("TView_2_Form", "Перед указанным символом"),
                                    ui::Tr("TView_2_Form", "После указанного символа")},
                                   Panel7);
  insert->addRow(RadioGroup2);
  Button1 = new QPushButton(ui::Tr("TView_2_Form", "Выполнить"), Panel7);
  Button6 = new QPushButton(ui::Tr("TView_2_Form", "Выход"), Panel7);
  insert->addRow(Button1, Button6);
  Gauge2 = new QProgressBar(Panel7);
  insert->addRow(Gauge2);
  Wire(Button1, &TView_2_Form::Button1Click);
  Wire(Button6, &TView_2_Form::Button6Click);
  Wire(Edit1, &TView_2_Form::Edit1KeyPress);
  Wire(Edit16, &TView_2_Form::Edit16KeyPress);
  Wire(Edit17, &TView_2_Form::Edit17KeyPress);
  Wire(Edit18, &TView_2_Form::Edit18KeyPress);

  Panel8 = NewPanel(this);
  auto* remove = new QFormLayout(Panel8);
  Label25 = new QLabel(ui::Tr("TView_2_Form", "   Удаление символов   "), Panel8);
  remove->addRow(Label25);
  remove->addRow(new QLabel(ui::Tr("TView_2_Form", kDbfWarning), Panel8));
  Edit19 = AddEdit(remove, ui::Tr("TView_2_Form", "Номер в строке первого удаляемого символа"));
  Edit20 = AddEdit(remove, ui::Tr("TView_2_Form", "Номер строки первого удаляемого символа"));
  Edit21 = AddEdit(remove, ui::Tr("TView_2_Form", "Номер в строке последнего удаляемого символа"));
  Edit22 = AddEdit(remove, ui::Tr("TView_2_Form", "Номер строки последнего удаляемого символа"));
  Button7 = new QPushButton(ui::Tr("TView_2_Form", "Выполнить"), Panel8);
  Button8 = new QPushButton(ui::Tr("TView_2_Form", "Выход"), Panel8);
  remove->addRow(Button7, Button8);
  Wire(Button7, &TView_2_Form::Button7Click);
  Wire(Button8, &TView_2_Form::Button8Click);
  Wire(Edit19, &TView_2_Form::Edit19KeyPress);
  Wire(Edit20, &TView_2_Form::Edit20KeyPress);
  Wire(Edit21, &TView_2_Form::Edit21KeyPress);
  Wire(Edit22, &TView_2_Form::Edit22KeyPress);
}

void TView_2_Form::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  guard_.Run([this] { FormShow(); });
}

void TView_2_Form::closeEvent(QCloseEvent* event) {
  event->ignore();
  guard_.Run([this] { FormClose(); });
}

}  // namespace rawview
