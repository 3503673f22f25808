// The main window of the window tests with office servers that record their calls.
#pragma once

#include "main_window_fixture.h"
#include "office_test_support.h"
#include "recording_office.h"

class OfficeWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    OpenWindow();
  }

  // A new main window in place of the one open, as at the program's start.
  void OpenWindow() {
    form.reset();
    MainWindowLinks links = Links();
    links.office = &servers;
    form = std::make_unique<TForm2>(links);
    form->show();
  }

  void TearDown() override {
    MainWindowTest::TearDown();
    EXPECT_TRUE(exits.empty());
  }

  // Opens the file through the menu's open dialog, with the "Все файлы" entry.
  void Open(const std::string& path) { OpenFromMenu(path, 2); }

  RecordingOffice servers;
};
