// The main window Form2: menus, two toolbars, the path strip, the record grid
// StringGrid1 with the bottom panel Panel1, and the task panels that float
// over the grid. Every command runs through the event guard; between commands
// the grid is the only copy of the table's records in memory.
#pragma once

#include "main_window_links.h"
#include "open_table.h"
#include "table_context.h"
#include "string_grid.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolBar;
class TaskPanel;
class TSortPanel;
class TRepairPanel;
class TRenamePanel;
class TNewFieldPanel;
class TReportPanel;
class TExportPanel;
class TColumnCommands;
class TCsvCommands;
class TRecordCopy;
class TMemoView;
class TRecordEditing;
class TDeletionCommands;
class TSeleRecForm;
class TStructureCommands;
class TFindDialog;
class TGoToRecord;
class TRecordView;
class FilterLine;
class RememberedSettings;
class QMenu;
class TTableUndo;
class TUnsavedEdits;
class TGridStatus;
namespace dbf {
class Dbf2_lib;
}
namespace ui {
class RadioGroup;
}
namespace office {
class OfficeAutomation;
struct OfficeSession;
}  // namespace office

// The window's controls and the objects that carry out its commands, by the
// names of the window's layout. The window reaches them as its own members;
// tests and benchmarks, which drive the window as a person would, through
// TForm2::Controls().
struct MainWindowControls {
  QToolBar* ToolBar1;
  QToolBar* ToolBar2;
  QAction *ToolButton1, *ToolButton2, *ToolButton3, *ToolButton4, *ToolButton5, *ToolButton9;
  QAction *ToolButton6, *ToolButton7, *ToolButton8;
  QAction *Openfile1, *Openfileastext1, *Save1, *Saveas1, *Deleterecord1, *Sortedfile1;
  QAction *SavetoMSEXCEL1, *CopyStructurefile1, *Addnewfield1, *Deletedfield1, *CreateFile1;
  QAction *SaveasCSV1, *CreatefromCSV1;
  QAction *N4, *N5, *N6, *N8, *N9, *N10, *N11, *N12, *N13, *N14, *N17, *N16, *N2;
  QAction *Reload1, *Find1, *FindNext1, *FindPrevious1, *GoTo1;
  QMenu *FilesMenu, *SearchMenu;
  std::vector<QAction*> RecentTables1;  // the recent tables at the end of FilesMenu
  QAction* Undo1;  // "Отменить": the last grid edit, else the table's last kept version
  QAction* Redo1;  // "Вернуть": the grid edit undone last
  QWidget* Panel2;
  QLabel* Label5;
  QLabel* StaticText2;
  QLabel* MemoNote;  // why memo texts cannot be shown, beside the path
  QWidget* GridArea;  // the space the grid fills and the task panels float over
  QLabel *Image1, *Image2;
  ui::StringGrid* StringGrid1;
  FilterLine* GridFilter;  // the filter line over StringGrid1
  QWidget* Panel1;
  QLabel *Label1, *Label2, *Label3;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;
  QPushButton* Button2;
  QCheckBox* cbCheckBox1;
  QLabel* StaticText1;
  QLabel* ViewCount;  // how many rows the filter shows
  QProgressBar* ProgressBar1;
  QGroupBox* GroupBox1;
  QPushButton *Button4, *Button5;
  QPushButton* bbClose;
  TSortPanel* Panel3;
  TReportPanel* Panel4;
  TExportPanel* Panel5;
  TRepairPanel* Panel6;
  TRenamePanel* Panel7;
  TNewFieldPanel* Panel8;
  TStructureCommands* StructureCommands;  // "Create File", "Copy Structure file", "Deleted field "
  ui::RadioGroup* RadioGroup1;  // in Panel5
  QPushButton* Button3;         // in Panel5
  // Commands and dialogs in classes of their own.
  std::unique_ptr<TRecordEditing> RecordEditing;
  std::unique_ptr<TDeletionCommands> DeletionCommands;
  std::unique_ptr<TSeleRecForm> SeleRecForm;
  TFindDialog* FindDialog;
  std::unique_ptr<TGoToRecord> GoToRecord;
  std::unique_ptr<TRecordView> RecordView;  // the grid's view order and filter
};

class TForm2 : public QMainWindow, private MainWindowControls {
 public:
  // Builds the window and runs FormCreate.
  explicit TForm2(MainWindowLinks links, QWidget* parent = nullptr);
  ~TForm2() override;

  // The title every show and activation sets.
  static QString Caption();

  // The table shown: its paths, where the grid's rows came from, and every
  // fill of the grid.
  OpenTable& Table() { return *table_; }

  // The window's controls, to drive it as a person would.
  MainWindowControls& Controls() { return *this; }
  const MainWindowControls& Controls() const { return *this; }

  // Start-up and ending.
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormClose();
  void N2Click();
  void bbCloseClick();

  // Opening.
  void Openfile1Click();
  void ToolButton1Click();
  void Openfileastext1Click();
  // Opens a table named on the command line, as the open command does with
  // a chosen file.
  void OpenAtStart(const std::string& path);
  // At the program's start: names the tables whose write a kill broke off
  // and offers to put each back as it was before.
  void OfferInterruptedWrites();

  // The record grid.
  // Loads TablePath into the grid; a file that cannot be read is refused and
  // the window returns to having no table.
  void LoadGrid();
  void ApplyCodePage();
  void cbCheckBox1Click();
  void N4Click();
  void ToolButton9Click();
  // Column widths the user dragged are kept for the table.
  void RememberColumnWidths();
  // Ctrl+Z: the last grid edit, else the table's last kept version; redo
  // likewise. The menu names the step each would take.
  void UndoClick();  // "Отменить"
  void RedoClick();  // "Вернуть"
  void NameUndoSteps();

  // Task panels shown by commands whose work comes with the panel's contents.
  void ToolButton3Click();
  void ToolButton5Click();
  void SavetoMSEXCEL1Click();
  void N17Click();  // "Копировать в EXCEL"

  // Keys, finding and what is remembered between runs.
  void ReloadClick();  // "Обновить из файла": the grid's rows read again from the file
  // Opens one of the recent tables; one no longer there leaves the list.
  void OpenRecentTable(const std::string& path);
  // The file name of the table shown, then Caption(); Caption() alone with no table.
  QString Title() const;

  // Guards of the table commands.
  bool GridShown() const;
  bool PathGiven() const;


 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A local file dropped on the window opens as "Open file dbf" opens it.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBars();
  void BuildPathStrip();
  void BuildGridArea();
  void BuildBottomPanel();
  void BuildTaskPanels();
  void PlaceOverlays();
  // Routes the commands of the menus, toolbars and bottom panel to the
  // panels and command classes that carry them out.
  void RouteCommands();
  // The search menu, the reload command, the shortcuts and Alt keys, the
  // recent tables, and the remembered font and geometry.
  void BuildKeys();
  void ShowRecentTables();
  // After a table has been opened: it leads the recent tables.
  void RememberOpenedTable();
  // The grid font and window geometry of the last run.
  void RestoreRemembered();
  void ShowTitle();
  // Turns what the open table tells of its changes into the labels' texts.
  void ShowTableChanges();
  // Keeps the window's geometry for the next run.
  void RememberWindow();
  // Runs a handler through the guard when the action fires or the button is
  // clicked.
  void Hook(QAction* action, std::function<void()> handler);
  void Hook(QPushButton* button, std::function<void()> handler);
  void Hook(QAction* action, void (TForm2::*handler)());
  void Hook(QPushButton* button, void (TForm2::*handler)());
  // The commands that fill the grid again, or end the program, and so ask
  // first what becomes of unsaved edits.
  bool DropsEdits(QObject* control) const;
  // The handler, run for such a command only once the edits are settled.
  std::function<void()> EditsFirst(QObject* control, std::function<void()> handler);
  // Where the tables' versions are kept: the links' folder, else the cache's.
  std::string VersionsFolder() const;

  // The steps the open commands share once a file has been chosen.
  void ShowTableControls();
  void HideTableControls();
  // A table file that exists but cannot be opened for reading.
  void RefuseUnopenedTable();
  void OpenChosenFile(const std::string& path, bool trimForExtension);
  void ShowSpreadsheet();
  // Tells in the status text how much the office exchange folder holds, when
  // that is much, so the user knows where the space went.
  void ShowLargeExchangeFolder(uint64_t bytes);
  void EmptyTransferBuffer();

  MainWindowLinks links_;
  std::unique_ptr<OpenTable> table_;
  std::unique_ptr<TableContext> context_;  // what the panels and commands work with
  std::unique_ptr<office::OfficeAutomation> ownOffice_;  // when the links bring none
  std::unique_ptr<ui::FileServices> ownFiles_;            // when the links bring none
  std::unique_ptr<office::OfficeSession> office_;
  std::unique_ptr<TColumnCommands> columnCommands_;
  std::unique_ptr<TRecordCopy> recordCopy_;
  std::unique_ptr<TMemoView> memoView_;
  std::unique_ptr<TCsvCommands> csvCommands_;
  std::unique_ptr<RememberedSettings> settings_;
  QAction* recentSeparator_ = nullptr;
  std::unique_ptr<TUnsavedEdits> unsavedEdits_;
  std::unique_ptr<TTableUndo> tableUndo_;
  std::unique_ptr<TGridStatus> gridStatus_;
  bool leftForDialog_ = false;  // the window active last before this one was a modal dialog
};
