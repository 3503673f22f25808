// A raw view driven headless: scripted dialogs, a guard that records instead
// of ending the program, a caller window, and files in a fresh folder.
#pragma once

#include "event_guard.h"
#include "open_raw_view.h"
#include "raw_doc.h"
#include "scripted_dialog_service.h"
#include "table_bytes.h"
#include "transfer_buffer.h"
#include "view_2_form.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include <gtest/gtest.h>

class RawViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rawview::EmptyTransferBuffer();
    rawview::CreateRawView(guard, files);
  }

  void TearDown() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<rawview::TView_2_Form*>(w)) windows.emplace_back(w);
    }
    for (const auto& w : windows) delete w.data();
  }

  rawview::TView_2_Form& View() { return *rawview::View_2_Form; }

  // Writes `bytes` to a file and shows it in the raw view.
  void Open(const std::string& bytes) {
    testsupport::WriteFile(path, bytes);
    rawview::OpenRawView(&caller, 2, path);
  }

  std::string Saved() const { return testsupport::ReadFile(path); }
  std::string LastMessage() const { return dialogs.messages.empty() ? "" : dialogs.messages.back(); }

  // The one shown window of exactly class T (not of a subclass).
  template <typename T>
  T* Shown() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    T* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->metaObject() == &T::staticMetaObject && w->isVisible()) {
        EXPECT_EQ(found, nullptr) << "more than one window";
        found = static_cast<T*>(w);
      }
    }
    return found;
  }

  // Chooses `action` and returns the window of class T it shows.
  template <typename T>
  T* Opened(QAction* action) {
    action->trigger();
    T* shown = Shown<T>();
    EXPECT_NE(shown, nullptr);
    return shown;
  }

  ui::ScriptedDialogService dialogs;
  std::vector<int> exits;
  ui::EventGuard guard{dialogs, [this](int code) { exits.push_back(code); }};
  ui::FileServices files;  // what the view's saves write through
  testsupport::TempDir dir;
  std::string path = dir.Path("file.bin");
  QWidget caller;
};
