// The program's dialogs: Qt's message boxes, file dialogs and font dialog.
#pragma once

#include "command_window.h"
#include "dialog_service.h"

namespace ui {

class QtDialogService : public DialogService {
 public:
  // Every dialog is modal and belongs to the program's active window, the
  // one whose command asks: the window manager keeps it above that window
  // (also above a window that stays on top) and centres it there. While no
  // window is active (right after another dialog closed) it belongs to the
  // window last active before that dialog; with none shown, to `fallback`,
  // or to no window.
  explicit QtDialogService(QWidget* fallback = nullptr) : fallback_(fallback) {}
  void SetFallbackOwner(QWidget* fallback) { fallback_ = fallback; }

  void Message(const std::string& text) override;
  bool Ask(const std::string& title, const std::string& text) override;
  SaveAnswer AskSaveChanges(const std::string& text) override;
  std::optional<FileChoice> OpenFile(const std::string& filter) override;
  std::optional<FileChoice> SaveFile(const std::string& filter) override;
  std::optional<QFont> ChooseFont(const FontRequest& request) override;
  void ShowText(const std::string& title, const std::string& text) override;
  std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                     const std::string& initial) override;

 private:
  std::optional<FileChoice> RunFileDialog(const std::string& filter, bool save);
  QWidget* Owner() const;
  class FocusBack;

  QWidget* fallback_;
  CommandWindow commandWindow_;
};

}  // namespace ui
