// Builds the main window's controls: menus, toolbars, the path strip, the
// grid area with its decorations and task panels, and the bottom panel.
#include "main_window.h"

#include "dbf_texts.h"
#include "qt_translations.h"
#include "radio_group.h"
#include "record_grid_options.h"
#include "new_field_panel.h"
#include "rename_panel.h"
#include "repair_panel.h"
#include "sort_panel.h"
#include "export_panel.h"
#include "filter_line.h"
#include "report_panel.h"
#include "structure_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kTeal(0, 128, 128);

QAction* Item(QMenu* menu, const QString& caption) { return menu->addAction(caption); }

QAction* Button(QToolBar* bar, QStyle::StandardPixmap icon, const QString& hint) {
  QAction* action = bar->addAction(bar->style()->standardIcon(icon), hint);
  action->setToolTip(hint);
  return action;
}

// The bottom panel is as high as designed, or as its controls need in a
// larger font, and higher by a scroll bar while it is too narrow for them.
void FitBottomPanel(QWidget& panel) {
  auto* strip = panel.findChild<QScrollArea*>();
  const QSize needed = strip->widget()->minimumSizeHint();
  const int bar = needed.width() > panel.width() ? strip->horizontalScrollBar()->sizeHint().height() : 0;
  panel.setFixedHeight(std::max(105, needed.height()) + bar);
}

QWidget* Panel(QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setAutoFillBackground(true);
  panel->setPalette(QPalette());
  return panel;
}

}  // namespace

void TForm2::BuildMenus() {
  QMenu* files = FilesMenu = menuBar()->addMenu(ui::Tr("TForm2", "Файлы"));
  Openfile1 = Item(files, "Open file dbf");
  Openfileastext1 = Item(files, "Open file as text");
  Save1 = Item(files, "Save");
  Saveas1 = Item(files, "Save as :");
  Undo1 = Item(files, ui::Tr("TForm2", "Отменить"));
  Undo1->setShortcut(QKeySequence::Undo);
  Redo1 = Item(files, ui::Tr("TForm2", "Вернуть"));
  Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  Deleterecord1 = Item(files, "Delete record");
  Sortedfile1 = Item(files, "Sorted file");
  SavetoMSEXCEL1 = Item(files, "Save to MS EXCEL");
  QMenu* structure = files->addMenu(QStringLiteral("Structure file"));
  CopyStructurefile1 = Item(structure, "Copy Structure file");
  Addnewfield1 = Item(structure, "Add new field");
  Deletedfield1 = Item(structure, "Deleted field ");
  CreateFile1 = Item(files, "Create File");
  SaveasCSV1 = Item(files, ui::Tr("TForm2", "Сохранить как CSV…"));
  CreatefromCSV1 = Item(files, ui::Tr("TForm2", "Создать из CSV…"));

  QMenu* operations = menuBar()->addMenu(ui::Tr("TForm2", "Операции"));
  N4 = Item(operations, ui::Tr("TForm2", "Выбор шрифта"));
  N5 = Item(operations, ui::Tr("TForm2", "Корректировать"));
  N6 = Item(operations, ui::Tr("TForm2", "Отмена корректировки"));
  QMenu* insertRow = operations->addMenu(ui::Tr("TForm2", "Вставить строку"));
  N8 = Item(insertRow, ui::Tr("TForm2", "Перед строкой"));
  N9 = Item(insertRow, ui::Tr("TForm2", "После строки"));
  N10 = Item(operations, ui::Tr("TForm2", "Ремонт структуры файла"));
  N11 = Item(operations, ui::Tr("TForm2", "Изменить имя поля"));
  N12 = Item(operations, ui::Tr("TForm2", "Очистить весь файл"));
  N13 = Item(operations, ui::Tr("TForm2", "Скопировать из файла :"));
  N14 = Item(operations, ui::Tr("TForm2", "Выполнить условие"));
  N17 = Item(operations, ui::Tr("TForm2", "Копировать в EXCEL"));

  QMenu* other = menuBar()->addMenu(ui::Tr("TForm2", "Прочие операции"));
  N16 = Item(other, ui::Tr("TForm2", "В EXCEL для Redozazoz"));

  N2 = menuBar()->addAction(ui::Tr("TForm2", "Выход"));

  Hook(Openfile1, &TForm2::Openfile1Click);
  Hook(Openfileastext1, &TForm2::Openfileastext1Click);
  Hook(SavetoMSEXCEL1, &TForm2::SavetoMSEXCEL1Click);
  Hook(N4, &TForm2::N4Click);
  Hook(N2, &TForm2::N2Click);
}

void TForm2::BuildToolBars() {
  ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolButton1 = Button(ToolBar1, QStyle::SP_DialogOpenButton, ui::Tr("TForm2", "Открыть файл"));
  ToolButton2 = Button(ToolBar1, QStyle::SP_TrashIcon, ui::Tr("TForm2", "Удалить запись"));
  ToolButton3 =
      Button(ToolBar1, QStyle::SP_FileDialogDetailedView, ui::Tr("TForm2", "Печать в текстовый файл и MS  WORD"));
  ToolButton4 = Button(ToolBar1, QStyle::SP_DialogSaveButton, ui::Tr("TForm2", "Сохранить  файл "));
  ToolButton5 = Button(ToolBar1, QStyle::SP_FileDialogListView, ui::Tr("TForm2", "Записать в MS EXCEL"));
  ToolButton9 = Button(ToolBar1, QStyle::SP_FileDialogInfoView, ui::Tr("TForm2", "Выбор шрифта"));

  ToolBar2 = addToolBar(QStringLiteral("ToolBar2"));
  ToolBar2->setMovable(false);
  ToolBar2->setToolTip(ui::Tr("TForm2", "Удаление отмеченных записей."));
  ToolButton6 = Button(ToolBar2, QStyle::SP_DialogNoButton, ui::Tr("TForm2", "Отетка удаления записи"));
  ToolButton7 = Button(ToolBar2, QStyle::SP_DialogYesButton, ui::Tr("TForm2", "Снять отметку удаления"));
  ToolButton8 = Button(ToolBar2, QStyle::SP_DialogDiscardButton, ui::Tr("TForm2", "Удалить отмеченные записи"));

  Hook(ToolButton1, &TForm2::ToolButton1Click);
  Hook(ToolButton3, &TForm2::ToolButton3Click);
  Hook(ToolButton5, &TForm2::ToolButton5Click);
  Hook(ToolButton9, &TForm2::ToolButton9Click);
}

void TForm2::BuildPathStrip() {
  QWidget* central = centralWidget();
  central->setAutoFillBackground(true);
  QPalette teal = central->palette();
  teal.setColor(QPalette::Window, kTeal);
  central->setPalette(teal);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  Panel2 = Panel(central);
  auto* strip = new QHBoxLayout(Panel2);
  strip->setContentsMargins(6, 3, 6, 3);
  Label5 = new QLabel(QStringLiteral("FILE :"), Panel2);
  StaticText2 = new QLabel(Panel2);
  StaticText2->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // A long path is cut at the window's edge instead of widening the window.
  StaticText2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  MemoNote = new QLabel(Panel2);
  MemoNote->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  strip->addWidget(Label5);
  strip->addWidget(StaticText2, 1);
  strip->addWidget(MemoNote, 1);
  column->addWidget(Panel2);
}

void TForm2::BuildGridArea() {
  GridArea = new QWidget(centralWidget());
  GridArea->installEventFilter(this);
  auto* fill = new QVBoxLayout(GridArea);
  fill->setContentsMargins(0, 0, 0, 0);

  Image1 = new QLabel(GridArea);
  Image1->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(160, 160));
  Image2 = new QLabel(GridArea);
  Image2->setPixmap(style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(160, 160));

  StringGrid1 = new ui::StringGrid(GridArea);
  QPalette paleYellow;  // the application's colours, not the window's teal
  paleYellow.setColor(QPalette::Base, paleYellow.color(QPalette::ToolTipBase));
  paleYellow.setColor(QPalette::Text, paleYellow.color(QPalette::ToolTipText));
  paleYellow.setColor(QPalette::Window, paleYellow.color(QPalette::Button));
  StringGrid1->setPalette(paleYellow);
  StringGrid1->SetDefaultColWidth(80);
  StringGrid1->SetDefaultRowHeight(24);
  StringGrid1->SetOptions(kRecordGridViewing);
  // Told once the editor has closed, not from inside its closing.
  StringGrid1->onTextRefused = [this](const QString& character) {
    const ui::CodePage drawn = StringGrid1->Page();
    const std::string page = ui::PageName(drawn == ui::CodePage::SystemDefault ? ui::CodePage::Windows1251 : drawn);
    const std::string message =
        dbf::FillText(dbf::Tr("TForm2", "Символ \"%1\" нельзя записать в кодировке %2.\r\nТекст ячейки не изменён."),
                      {character.toStdString(), page});
    QMetaObject::invokeMethod(this, links_.guard.Guarded([this, message] { links_.dialogs.Message(message); }),
                              Qt::QueuedConnection);
  };
  StringGrid1->onTypedRefused = [this](int row, int col, const QString& reason) {
    const std::string message = dbf::FillText(
        dbf::Tr("TForm2", "Поле %1, строка %2: %3.\r\nТекст ячейки не изменён."),
        {ui::DecodeCell(StringGrid1->Cell(0, col), StringGrid1->Page()).trimmed().toStdString(), std::to_string(row),
         reason.toStdString()});
    QMetaObject::invokeMethod(this, links_.guard.Guarded([this, message] { links_.dialogs.Message(message); }),
                              Qt::QueuedConnection);
  };
  StringGrid1->onColWidthDragged = [this](int, int) { links_.guard.Run([this] { RememberColumnWidths(); }); };
  StringGrid1->hide();
  GridFilter = new FilterLine(*StringGrid1, GridArea);
  fill->addWidget(GridFilter);
  fill->addWidget(StringGrid1);
  // The area takes the room the strips leave, with or without a table shown.
  static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(GridArea, 1);
}

void TForm2::BuildBottomPanel() {
  Panel1 = Panel(centralWidget());
  // The controls scroll sideways in a window narrower than they are.
  auto* strip = new QScrollArea(Panel1);
  strip->setFrameShape(QFrame::NoFrame);
  strip->setWidgetResizable(true);
  strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  strip->viewport()->setAutoFillBackground(false);
  auto* controls = new QWidget(strip);
  auto* row = new QHBoxLayout(controls);

  auto* copyBox = new QGridLayout;
  Label1 = new QLabel(ui::Tr("TForm2", "Имя файла для копии"), Panel1);
  Edit1 = new QLineEdit(Panel1);
  Label3 = new QLabel(ui::Tr("TForm2", "№ 1-й записи"), Panel1);
  Edit3 = new QLineEdit(Panel1);
  Label2 = new QLabel(ui::Tr("TForm2", "№ последней записи"), Panel1);
  Edit2 = new QLineEdit(Panel1);
  Button2 = new QPushButton(ui::Tr("TForm2", "Копировать файл"), Panel1);
  copyBox->addWidget(Label1, 0, 0);
  copyBox->addWidget(Edit1, 1, 0);
  copyBox->addWidget(Label3, 0, 1);
  copyBox->addWidget(Edit3, 1, 1);
  copyBox->addWidget(Label2, 0, 2);
  copyBox->addWidget(Edit2, 1, 2);
  copyBox->addWidget(Button2, 2, 0);
  row->addLayout(copyBox, 3);

  auto* state = new QVBoxLayout;
  cbCheckBox1 = new QCheckBox(ui::Tr("TForm2", "Кодировка (DOS, Windows) "), Panel1);
  cbCheckBox1->setTristate(true);
  cbCheckBox1->setCheckState(Qt::Unchecked);
  StaticText1 = new QLabel(Panel1);
  ProgressBar1 = new QProgressBar(Panel1);
  ProgressBar1->hide();
  state->addWidget(cbCheckBox1);
  state->addWidget(StaticText1);
  ViewCount = new QLabel(Panel1);
  state->addWidget(ViewCount);
  state->addWidget(ProgressBar1);
  row->addLayout(state, 2);

  GroupBox1 = new QGroupBox(ui::Tr("TForm2", "По имени столбца"), Panel1);
  auto* sums = new QGridLayout(GroupBox1);
  Edit4 = new QLineEdit(GroupBox1);
  Button4 = new QPushButton(ui::Tr("TForm2", "Подсчет суммы"), GroupBox1);
  Button5 = new QPushButton(ui::Tr("TForm2", "Удалить нулевые"), GroupBox1);
  sums->addWidget(Edit4, 0, 0, 1, 2);
  sums->addWidget(Button4, 1, 0);
  sums->addWidget(Button5, 1, 1);
  row->addWidget(GroupBox1, 2);

  bbClose = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Close"),
                            Panel1);
  row->addWidget(bbClose, 0, Qt::AlignBottom);

  strip->setWidget(controls);
  auto* fill = new QVBoxLayout(Panel1);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(strip);
  FitBottomPanel(*Panel1);
  Panel1->hide();
  centralWidget()->layout()->addWidget(Panel1);

  connect(cbCheckBox1, &QCheckBox::clicked, this, links_.guard.Guarded([this] { cbCheckBox1Click(); }));
  Hook(bbClose, &TForm2::bbCloseClick);
}

void TForm2::BuildTaskPanels() {
  Panel3 = new TSortPanel(*context_);
  const office::OfficePanelLinks officeLinks{links_.dialogs, links_.guard, *office_, *StringGrid1, *ProgressBar1,
                                             [this] { return table_->TablePath(); }, [this] { return table_->Page(); },
                                             *links_.files};
  Panel4 = new TReportPanel(officeLinks, GridArea);
  Panel5 = new TExportPanel(officeLinks, GridArea);
  RadioGroup1 = Panel5->RadioGroup1;
  Button3 = Panel5->Button3;
  Hook(N16, [this] { Panel5->N16Click(); });
  Hook(N17, &TForm2::N17Click);
  Panel6 = new TRepairPanel(*context_);
  Panel7 = new TRenamePanel(*context_);
  Panel8 = new TNewFieldPanel(*context_);
  StructureCommands = new TStructureCommands(*context_, *Panel8);
  PlaceOverlays();
}

void TForm2::PlaceOverlays() {
  const int width = GridArea->width();
  const int height = GridArea->height();
  Image1->setGeometry(width / 2 - 200, height / 2 - 90, 180, 180);
  Image2->setGeometry(width / 2 + 20, height / 2 - 90, 180, 180);
  int left = 20;
  for (TaskPanel* panel : std::initializer_list<TaskPanel*>{Panel3, Panel4, Panel5, Panel6, Panel7, Panel8}) {
    // Inset where the area has room; cut to the area where it has not.
    panel->FitInto(GridArea->size());
    panel->move(std::min(left, std::max(0, width - panel->width())),
                std::min(20, std::max(0, height - panel->height())));
    panel->raise();
    left += 40;
  }
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == GridArea && event->type() == QEvent::Resize) {
    FitBottomPanel(*Panel1);
    PlaceOverlays();
  }
  return QMainWindow::eventFilter(watched, event);
}
