// A main window whose office servers record their calls, with scripted
// dialogs and an exit that records instead of ending the process.
#pragma once

#include "dbf_errors.h"
#include "event_guard.h"
#include "export_panel.h"
#include "main_window.h"
#include "office_test_support.h"
#include "recording_launcher.h"
#include "recording_office.h"
#include "report_panel.h"
#include "scripted_dialog_service.h"

#include <QAction>

#include <gtest/gtest.h>

#include <memory>

class OfficeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    guard.InstallEngineReporters();
    OpenWindow();
  }

  // A new main window in place of the one open, as at the program's start.
  void OpenWindow() {
    form.reset();
    form = std::make_unique<TForm2>(MainWindowLinks{dialogs, guard, launcher, {}, {}, &servers, versions.Path("versions")});
    form->show();
  }

  void TearDown() override {
    form.reset();
    dbf::SetFatalReporter({});
    dbf::SetMessageReporter({});
    EXPECT_TRUE(exits.empty());
  }

  // Opens the file through the menu's open dialog, with the "Все файлы" entry.
  void Open(const std::string& path) {
    dialogs.WillOpen(path, 2);
    form->Controls().Openfile1->trigger();
  }

  testsupport::TempDir dir;
  testsupport::TempDir versions;  // where the tables' versions are kept
  ui::ScriptedDialogService dialogs;
  std::vector<int> exits;
  ui::EventGuard guard{dialogs, [this](int code) { exits.push_back(code); }};
  RecordingLauncher launcher;
  RecordingOffice servers;
  std::unique_ptr<TForm2> form;
};
