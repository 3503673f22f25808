#include "sele_rec_form.h"

#include "dbf2_lib.h"
#include "dbf_texts.h"
#include "dialog_service.h"
#include "event_guard.h"
#include "file_name.h"
#include "progress.h"
#include "qt_translations.h"
#include "radio_group.h"
#include "safe_write.h"
#include "screen_fit.h"
#include "string_grid.h"
#include "table_checks.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kAllRecords = 0;
constexpr int kByCondition = 1;
constexpr uint16_t kSource = 1;
constexpr uint16_t kTarget = 2;

std::string UpperName(const std::string& name) { return QString::fromStdString(name).toUpper().toStdString(); }

QPushButton* Button(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setMinimumSize(225, 25);
  return button;
}

// The design size of the client area, kept where the screen has room.
constexpr QSize kDesignSize(772, 534);

}  // namespace

// The controls on the right, 238 wide (wider where their texts need it);
// the unused grid and panel fill the rest.
TSeleRecForm::TSeleRecForm(const TableContext& context) : QWidget(nullptr, Qt::Tool), context_(context) {
  Panel1 = new QWidget(this);
  Panel1->setMinimumWidth(238);
  RadioGroup1 = new ui::RadioGroup(QString(), {ui::Tr("TSeleRecForm", "Для всех записей"),
                                               ui::Tr("TSeleRecForm", "Для записей по условию")},
                                   Panel1);
  QFont bold = RadioGroup1->font();
  bold.setBold(true);
  RadioGroup1->setFont(bold);
  RadioGroup1->setMinimumHeight(57);
  Button1 = Button(ui::Tr("TSeleRecForm", "Отметка для удаления"), Panel1);
  Button2 = Button(ui::Tr("TSeleRecForm", "Снять отметку об удалении"), Panel1);
  Button3 = Button(ui::Tr("TSeleRecForm", "Копировать в файл :"), Panel1);
  auto* controls = new QVBoxLayout(Panel1);
  controls->setContentsMargins(0, 0, 0, 0);
  for (QWidget* control : std::initializer_list<QWidget*>{RadioGroup1, Button1, Button2, Button3}) {
    controls->addWidget(control);
  }
  controls->addStretch();
  Panel2 = new QWidget(this);
  Panel2->setFixedHeight(150);
  DrawGrid1 = new QTableView(this);
  DrawGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  auto* unused = new QVBoxLayout;
  unused->addWidget(DrawGrid1, 1);
  unused->addWidget(Panel2);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(unused, 1);
  layout->addWidget(Panel1);
  resize(kDesignSize);

  const auto guarded = [&context](auto handler) { return context.guard.Guarded(handler); };
  RadioGroup1->onClick = guarded([this] { RadioGroup1Click(); });
  connect(Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, guarded([this] { Button2Click(); }));
  connect(Button3, &QPushButton::clicked, this, guarded([this] { Button3Click(); }));
  hide();
}

void TSeleRecForm::N14Click() {
  if (!context_.GridShown()) {
    context_.dialogs.Message("File not open!");
    return;
  }
  mainWindow_ = &context_.window;
  mainWindow_->setEnabled(false);
  setWindowTitle(ui::Tr("TSeleRecForm", "Операции с файлом по выбранному условию."));
  RadioGroup1->setTitle(ui::Tr("TSeleRecForm", "Условие обработки."));
  RadioGroup1->SetItemIndex(kAllRecords);
  ui::CentreOnScreen(*this, context_.window, kDesignSize);
  show();
  // A tool window is not given the focus by every window manager; its
  // commands need it.
  raise();
  activateWindow();
}

void TSeleRecForm::closeEvent(QCloseEvent* event) {
  context_.guard.Run([this] { FormClose(); });
  event->accept();
}

void TSeleRecForm::FormClose() {
  if (mainWindow_) mainWindow_->setEnabled(true);
  hide();
}

void TSeleRecForm::RadioGroup1Click() {
  DrawGrid1->hide();
  Panel2->hide();
  // Only the operations on all records exist.
  if (RadioGroup1->ItemIndex() == kByCondition) RadioGroup1->SetItemIndex(kAllRecords);
}

void TSeleRecForm::Button1Click() {
  if (RadioGroup1->ItemIndex() == kAllRecords) SetAllMarks(true);
}

void TSeleRecForm::Button2Click() {
  if (RadioGroup1->ItemIndex() == kAllRecords) SetAllMarks(false);
}

void TSeleRecForm::SetAllMarks(bool marked) {
  ui::StringGrid& grid = context_.grid;
  ui::StringGrid::BatchUpdate batch(grid);
  for (int row = 1; row < grid.RowCount(); ++row) {
    grid.SetCell(row, 0, std::to_string(row) + (marked ? " Delete" : ""));
  }
}

void TSeleRecForm::Button3Click() {
  const auto choice = context_.dialogs.OpenFile(ui::TableFilter());
  if (!choice) return;
  const std::string target = TrimBlanks(choice->path);
  const std::string source = TrimBlanks(context_.table.ShownPath());
  if (SameTableFile(context_.dialogs, target, source)) return;
  const bool yes = context_.dialogs.Ask(
      dbf::Tr("TSeleRecForm", "Выполнить копирование?"),
      dbf::FillText(dbf::Tr("TSeleRecForm", "File %1\r\nкопируется в файл  %2"), {source, UpperName(target)}));
  if (!yes || RadioGroup1->ItemIndex() != kAllRecords) return;
  CopyAllRecords(source, target);
}

void TSeleRecForm::CopyAllRecords(const std::string& source, const std::string& target) {
  if (source.empty()) return;
  // Both tables must open: the engine would end the program at the first
  // use of a slot that did not.
  if (!UsableTable(context_.dialogs, source) || !UsableTable(context_.dialogs, target)) return;
  // A stop (or failure) part way cuts the target back to what it was.
  ui::KeepOnFailure(context_.files, target, ui::kWholeFile, [&] {
    dbf::Dbf2_lib db(context_.files.Files());
    db.DbfOpenForReading(kSource, source);
    db.DbfOpen(kTarget, target);
    ui::Progress progress(context_.progress, db.DbfRecCount(kSource));
    db.DbfTop(kSource);
    while (!db.DbfEof(kSource)) {
      progress.Set(db.DbfRecNo(kSource));
      db.DbfBlank(kTarget);
      db.DbfCopyFields(kSource, kTarget);
      db.DbfAppend(kTarget);
      db.DbfSkip(kSource, 1);
    }
    db.DbfCloseAll();
  });
  context_.dialogs.Message(dbf::Tr("TSeleRecForm", "Копирование выполнено!"));
}
