// A task panel's surroundings without the main window: a window holding the
// record grid and the area the panels float over, the open table that fills
// the grid, scripted dialogs, and the context every panel works with.
#pragma once

#include "dbf_errors.h"
#include "event_guard.h"
#include "failing_file_system.h"
#include "open_table.h"
#include "scripted_dialog_service.h"
#include "string_grid.h"
#include "table_bytes.h"
#include "table_context.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    guard.InstallEngineReporters();
    // As the window does: a command that fails once the table is gone says so.
    guard.ExplainFailures([this](const std::string& failure) { return table.ExplainFailure(failure); });
    QObject::connect(&table, &OpenTable::PathShown, pathStrip, &QLabel::setText);
    window.resize(1000, 700);
    area->setGeometry(0, 0, 1000, 640);
    grid->setGeometry(0, 0, 1000, 640);
    progress->hide();  // shown by the commands that advance it
    window.show();
  }

  void TearDown() override {
    guard.ExplainFailures({});
    dbf::SetFatalReporter({});
    dbf::SetMessageReporter({});
    EXPECT_TRUE(exits.empty());
  }

  // Loads the table into the grid as the window's open command does, drawn
  // in the code page its header or letters tell.
  void Open(const std::string& path) {
    table.PointAt(path);
    ASSERT_TRUE(table.Load());
    if (const auto page = table.FoundPage()) table.SetPage(*page);
  }

  std::string Cell(int row, int col) const { return grid->Cell(row, col); }

  testsupport::TempDir dir;
  ui::ScriptedDialogService dialogs;
  std::vector<int> exits;
  ui::EventGuard guard{dialogs, [this](int code) { exits.push_back(code); }};
  QWidget window;
  QWidget* area = new QWidget(&window);  // where the panels float over the grid
  ui::StringGrid* grid = new ui::StringGrid(area);
  QProgressBar* progress = new QProgressBar(&window);
  QLabel* pathStrip = new QLabel(&window);
  OpenTable table{*grid, progress};
  // What the commands write through; a test fails a chosen write by arming it.
  testsupport::FailingFileSystem fileSystem;
  TableContext context{table, *grid, progress, dialogs, guard, window, *area, fileSystem.services};
};
