// A main window wired to scripted dialogs, a recording launcher and raw view,
// and an exit that records instead of ending the process, with helpers to
// write tables and read what the window shows.
#pragma once

#include "dbf_errors.h"
#include "desktop_office.h"
#include "export_panel.h"
#include "failing_file_system.h"
#include "main_window.h"
#include "report_panel.h"
#include "new_field_panel.h"
#include "people_table.h"
#include "recording_launcher.h"
#include "remembered_settings.h"
#include "rename_panel.h"
#include "repair_panel.h"
#include "sort_panel.h"
#include "scripted_dialog_service.h"
#include "table_bytes.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    guard.InstallEngineReporters();
    RememberedSettings::Clear();  // every test starts as a first run
    form = std::make_unique<TForm2>(Links());
    form->show();
  }

  MainWindowLinks Links() {
    MainWindowLinks links{dialogs, guard, launcher,
                          [this](QWidget*, int mode, const std::string& name) { rawViewCalls.push_back({mode, name}); },
                          [this] { ++transferBufferEmptied; }, &office};
    links.versionsFolder = versions.Path("versions");
    links.files = &fileSystem.services;
    return links;
  }

  void TearDown() override {
    form.reset();
    dbf::SetFatalReporter({});
    dbf::SetMessageReporter({});
  }

  std::string WritePeople(const std::string& name = "people.dbf") { return testsupport::WritePeople(dir, name); }

  // Opens the file through the menu's open dialog.
  void OpenFromMenu(const std::string& path, int filterIndex = 1) {
    dialogs.WillOpen(path, filterIndex);
    form->Controls().Openfile1->trigger();
  }

  // A fresh window over empty folders, as a test case of its own would start.
  void StartAfresh() {
    TearDown();
    for (const testsupport::TempDir* folder : {&dir, &versions}) {
      std::filesystem::remove_all(folder->Path(""));
      std::filesystem::create_directories(folder->Path(""));
    }
    SetUp();
  }

  // The sort panel shown and filled for a copy sorted by NAME into `output`.
  void FillSortPanel(const std::string& output) {
    form->Controls().Sortedfile1->trigger();
    form->Controls().Panel3->StringGrid2->SetCell(1, 1, "NAME"), form->Controls().Panel3->StringGrid2->SetCell(1, 2, "1");
    form->Controls().Panel3->StringGrid2->SetSelectedCell(1, 3);
    form->Controls().Panel3->Edit5->setText(QString::fromStdString(output));
  }
  // That copy written.
  void SortedCopy(const std::string& output) { FillSortPanel(output), form->Controls().Panel3->Button1->click(); }
  // The report panel shown with every column printing NAME, 10 wide.
  void FillReport() {
    form->Controls().ToolButton3->trigger();
    ui::StringGrid& columns = *form->Controls().Panel4->StringGrid3;
    columns.onClick();
    for (int row = 1; row < columns.RowCount(); ++row) columns.SetCell(row, 2, "NAME"), columns.SetCell(row, 3, "10");
  }
  // The repair panel shown with `source` to repair into `result`.
  void FillRepair(const std::string& source, const std::string& result) {
    form->Controls().N10->trigger();
    form->Controls().Panel6->Edit10->setText(QString::fromStdString(source));
    form->Controls().Panel6->Edit11->setText(QString::fromStdString(result));
  }
  // The boxes of the range copy filled: records `first` to `last` into `name`.
  void FillRange(const char* name, const char* first = "", const char* last = "") {
    form->Controls().Edit1->setText(QString::fromUtf8(name));
    form->Controls().Edit3->setText(QString::fromUtf8(first));
    form->Controls().Edit2->setText(QString::fromUtf8(last));
  }

  // Every regular file of the test's folder (and of the folders in it when
  // `deep`) by its path there: its bytes and modification time in nanoseconds.
  using FileStates = std::map<std::string, std::pair<std::string, int64_t>>;
  FileStates Files(bool deep = true) const {
    FileStates files;
    const auto take = [&](const std::filesystem::directory_entry& entry) {
      struct stat st {};
      if (!entry.is_regular_file() || ::stat(entry.path().c_str(), &st) != 0) return;
      files[std::filesystem::relative(entry.path(), dir.dir()).string()] = {
          testsupport::ReadFile(entry.path().string()), st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
    };
    if (deep) for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.dir())) take(entry);
    else for (const auto& entry : std::filesystem::directory_iterator(dir.dir())) take(entry);
    return files;
  }

  std::string Cell(int row, int col) const { return form->Controls().StringGrid1->Cell(row, col); }
  std::string Shown(QLabel* label) const { return label->text().toStdString(); }
  // What the record grid and its count show: the fixed rows, the count's
  // label, then every cell row by row.
  std::vector<std::string> GridAsShown() const {
    const ui::StringGrid& grid = *form->Controls().StringGrid1;
    std::vector<std::string> cells{std::to_string(grid.FixedRows()), Shown(form->Controls().StaticText1)};
    for (int row = 0; row < grid.RowCount(); ++row) {
      for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(Cell(row, col));
    }
    return cells;
  }
  // A menu entry's caption without the mark of its Alt key.
  static std::string Caption(const QAction* action) { return action->text().remove(QLatin1Char('&')).toStdString(); }

  testsupport::TempDir dir;
  testsupport::TempDir versions;  // where the tables' versions are kept
  ui::ScriptedDialogService dialogs;
  std::vector<int> exits;
  ui::EventGuard guard{dialogs, [this](int code) { exits.push_back(code); }};
  RecordingLauncher launcher;
  // What the window writes through; a test fails a chosen write by arming it.
  testsupport::FailingFileSystem fileSystem;
  // Workbooks and documents go to the test's folder, through the same.
  office::DesktopOffice office{dir.Path("exchange"), launcher, fileSystem};
  std::vector<std::pair<int, std::string>> rawViewCalls;  // the raw view's mode and file name
  int transferBufferEmptied = 0;
  std::unique_ptr<TForm2> form;
};
