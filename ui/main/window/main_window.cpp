#include "main_window.h"

#include "column_commands.h"
#include "csv_commands.h"
#include "deletion_commands.h"
#include "file_name.h"
#include "memo_view.h"
#include "qt_translations.h"
#include "find_dialog.h"
#include "go_to_record.h"
#include "grid_status.h"
#include "radio_group.h"
#include "record_copy.h"
#include "new_field_panel.h"
#include "record_editing.h"
#include "record_view.h"
#include "remembered_settings.h"
#include "rename_panel.h"
#include "repair_panel.h"
#include "screen_fit.h"
#include "sele_rec_form.h"
#include "sort_panel.h"
#include "structure_commands.h"
#include "table_undo.h"
#include "unsaved_edits.h"
#include "desktop_office.h"
#include "exchange_folder.h"
#include "export_panel.h"
#include "office_session.h"
#include "report_panel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QShowEvent>
#include <QWindow>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <utility>

#ifndef DBFVIEW_VERSION
#define DBFVIEW_VERSION "0"
#endif

TForm2::TForm2(MainWindowLinks links, QWidget* parent) : QMainWindow(parent), links_(std::move(links)) {
  if (!links_.files) {
    ownFiles_ = std::make_unique<ui::FileServices>();
    links_.files = ownFiles_.get();
  }
  if (!links_.office) {
    ownOffice_ = std::make_unique<office::DesktopOffice>(office::DefaultExchangeFolder(), links_.launcher,
                                                         links_.files->Files());
    links_.office = ownOffice_.get();
  }
  office_ = std::make_unique<office::OfficeSession>(*links_.office);
  const uint64_t exchangeBytes = office::RemoveStaleFiles(links_.office->ExchangeFolder());
  BuildMenus();
  BuildToolBars();
  auto* central = new QWidget(this);
  setCentralWidget(central);
  BuildPathStrip();
  BuildGridArea();
  BuildBottomPanel();
  ShowLargeExchangeFolder(exchangeBytes);
  table_ = std::make_unique<OpenTable>(*StringGrid1, ProgressBar1);
  ShowTableChanges();
  links_.guard.ExplainFailures([this](const std::string& failure) { return table_->ExplainFailure(failure); });
  context_ = std::make_unique<TableContext>(
      TableContext{*table_, *StringGrid1, ProgressBar1, links_.dialogs, links_.guard, *this, *GridArea, *links_.files});
  BuildTaskPanels();
  columnCommands_ = std::make_unique<TColumnCommands>(*context_, *Edit4);
  recordCopy_ = std::make_unique<TRecordCopy>(*context_, *Edit1, *Edit2, *Edit3);
  memoView_ = std::make_unique<TMemoView>(*context_);
  csvCommands_ = std::make_unique<TCsvCommands>(*context_, [this](const std::string& path) { OpenChosenFile(path, false); });
  RecordEditing = std::make_unique<TRecordEditing>(*context_);
  DeletionCommands = std::make_unique<TDeletionCommands>(*context_);
  SeleRecForm = std::make_unique<TSeleRecForm>(*context_);
  FindDialog = new TFindDialog(*context_, this);
  GoToRecord = std::make_unique<TGoToRecord>(*context_);
  RecordView = std::make_unique<TRecordView>(*context_, *GridFilter, *ViewCount);
  settings_ = std::make_unique<RememberedSettings>();
  BuildKeys();
  unsavedEdits_ = std::make_unique<TUnsavedEdits>(*context_, [this] { RecordEditing->ToolButton4Click(); });
  tableUndo_ = std::make_unique<TTableUndo>(*context_, VersionsFolder());
  gridStatus_ = std::make_unique<TGridStatus>(*context_, *statusBar());
  RouteCommands();
  // A message, file or font dialog holds the activation only while it is
  // answered; getting it back from one is not a new activation of the window
  // (it leaves the new-field panel open), getting it back from another window
  // of the program is.
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
    if (now && now != windowHandle()) leftForDialog_ = QApplication::activeModalWidget() != nullptr;
  });
  FormCreate();
  RestoreRemembered();
}

// The view order goes first: taking the table down resets the grid, which it
// would answer after the context it works with is gone.
TForm2::~TForm2() { RecordView.reset(); }

QString TForm2::Caption() {
  return QStringLiteral("View and correct file DBF :") + QStringLiteral("   ") +
         QStringLiteral(DBFVIEW_VERSION);
}

// A menu or toolbar command may change the table shown, which the title names.
void TForm2::Hook(QAction* action, std::function<void()> handler) {
  connect(action, &QAction::triggered, this,
          links_.guard.Guarded([this, action, handler = EditsFirst(action, std::move(handler))] {
            tableUndo_->CommandNamed(action->text().toStdString());
            handler();
            ShowTitle();
          }));
}

void TForm2::Hook(QPushButton* button, std::function<void()> handler) {
  connect(button, &QPushButton::clicked, this,
          links_.guard.Guarded([this, button, handler = EditsFirst(button, std::move(handler))] {
            tableUndo_->CommandNamed(button->text().toStdString());
            handler();
          }));
}

void TForm2::Hook(QAction* action, void (TForm2::*handler)()) {
  Hook(action, std::function<void()>([this, handler] { (this->*handler)(); }));
}

void TForm2::Hook(QPushButton* button, void (TForm2::*handler)()) {
  Hook(button, std::function<void()>([this, handler] { (this->*handler)(); }));
}

void TForm2::RouteCommands() {
  Hook(N5, [this] { RecordEditing->N5Click(); });                    // "Корректировать"
  Hook(N6, [this] { RecordEditing->N6Click(); });                    // "Отмена корректировки"
  Hook(N8, [this] { RecordEditing->N8Click(); });                    // "Перед строкой"
  Hook(N9, [this] { RecordEditing->N9Click(); });                    // "После строки"
  Hook(ToolButton4, [this] { RecordEditing->ToolButton4Click(); });  // "Сохранить  файл "
  Hook(Save1, [this] { RecordEditing->Save1Click(); });              // "Save"
  Hook(Saveas1, [this] { RecordEditing->Saveas1Click(); });          // "Save as :"
  Hook(ToolButton6, [this] { DeletionCommands->ToolButton6Click(); });
  Hook(ToolButton7, [this] { DeletionCommands->ToolButton7Click(); });
  Hook(ToolButton8, [this] { DeletionCommands->ToolButton8Click(); });
  Hook(ToolButton2, [this] { DeletionCommands->ToolButton2Click(); });
  Hook(Deleterecord1, [this] { DeletionCommands->Deleterecord1Click(); });  // "Delete record"
  Hook(N12, [this] { DeletionCommands->N12Click(); });                      // "Очистить весь файл"
  Hook(Button4, [this] { columnCommands_->Button4Click(); });               // "Подсчет суммы"
  Hook(Button5, [this] { columnCommands_->Button5Click(); });               // "Удалить нулевые"
  Hook(Button2, [this] { recordCopy_->Button2Click(); });                   // "Копировать файл"
  Hook(N13, [this] { recordCopy_->N13Click(); });                           // "Скопировать из файла :"
  Hook(N14, [this] { SeleRecForm->N14Click(); });
  Hook(Sortedfile1, [this] { Panel3->Sortedfile1Click(); });
  Hook(N10, [this] { Panel6->N10Click(); });
  Hook(N11, [this] { Panel7->N11Click(); });
  Hook(Addnewfield1, [this] { Panel8->Addnewfield1Click(); });
  Hook(CreateFile1, [this] { StructureCommands->CreateFile1Click(); });
  Hook(CopyStructurefile1, [this] { StructureCommands->CopyStructurefile1Click(); });
  Hook(Deletedfield1, [this] { StructureCommands->Deletedfield1Click(); });
  Hook(SaveasCSV1, [this] { csvCommands_->SaveAsCsvClick(); });          // "Сохранить как CSV…"
  Hook(CreatefromCSV1, [this] { csvCommands_->CreateFromCsvClick(); });  // "Создать из CSV…"
  Hook(Reload1, &TForm2::ReloadClick);                               // "Обновить из файла"
  Hook(Find1, [this] { FindDialog->ShowFind(); });                   // "Найти"
  Hook(FindNext1, [this] { FindDialog->FindNext(); });               // "Найти далее"
  Hook(FindPrevious1, [this] { FindDialog->FindPrevious(); });       // "Найти назад"
  Hook(GoTo1, [this] { GoToRecord->GoToClick(); });                  // "Перейти к записи"
  Hook(Undo1, &TForm2::UndoClick);                                   // "Отменить"
  Hook(Redo1, &TForm2::RedoClick);                                   // "Вернуть"
  connect(FilesMenu, &QMenu::aboutToShow, this, &TForm2::NameUndoSteps);
}

void TForm2::EmptyTransferBuffer() {
  if (links_.emptyTransferBuffer) links_.emptyTransferBuffer();
}

void TForm2::FormCreate() {
  EmptyTransferBuffer();
  StaticText2->clear();
  Button2->hide();
  Button3->hide();
  RadioGroup1->hide();
  RadioGroup1->SetItemIndex(0);
  GroupBox1->hide();
  Edit4->clear();
  ui::FitOnScreen(*this, {2, 2}, {1000, 700});
}

void TForm2::FormShow() { ShowTitle(); }

void TForm2::FormActivate() {
  ShowTitle();
  Panel8->hide();
}

void TForm2::FormClose() {
  RememberWindow();
  EmptyTransferBuffer();
}

void TForm2::N2Click() {
  RememberWindow();
  EmptyTransferBuffer();
  hide();
  links_.guard.Exit(0);
}

void TForm2::bbCloseClick() {
  RememberWindow();
  hide();
  links_.guard.Exit(0);
}

void TForm2::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) links_.guard.Run([this] { FormShow(); });
}

void TForm2::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
  if (std::exchange(leftForDialog_, false)) return;
  links_.guard.Run([this] { FormActivate(); });
}

void TForm2::closeEvent(QCloseEvent* event) {
  bool settled = false;
  links_.guard.Run([&] { settled = unsavedEdits_->Settled(); });
  if (!settled) {
    event->ignore();
    return;
  }
  links_.guard.Run([this] { FormClose(); });
  event->accept();
}

bool TForm2::GridShown() const { return context_->GridShown(); }

bool TForm2::PathGiven() const { return context_->PathGiven(); }

void TForm2::ToolButton3Click() { Panel4->ToolButton3Click(); }

void TForm2::ToolButton5Click() { Panel5->ToolButton5Click(); }

void TForm2::SavetoMSEXCEL1Click() { Panel5->SavetoMSEXCEL1Click(); }


void TForm2::ShowLargeExchangeFolder(uint64_t bytes) {
  constexpr uint64_t kLarge = 100ull << 20;
  if (bytes < kLarge) return;
  StaticText1->setText(ui::Tr("TForm2", "Файлы для офисных программ занимают %1 МБ: %2")
                           .arg(QString::number(bytes >> 20), QString::fromStdString(links_.office->ExchangeFolder())));
}
