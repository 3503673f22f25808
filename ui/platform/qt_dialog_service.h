// The program's dialogs: Qt's message boxes, file dialogs and font dialog.
#pragma once

#include "dialog_service.h"

class QWidget;

namespace ui {

class QtDialogService : public DialogService {
 public:
  // Dialogs are centred on the parent's window when one is given.
  explicit QtDialogService(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Message(const std::string& text) override;
  bool Ask(const std::string& title, const std::string& text) override;
  std::optional<FileChoice> OpenFile(const std::string& filter) override;
  std::optional<FileChoice> SaveFile(const std::string& filter) override;
  std::optional<QFont> ChooseFont(const FontRequest& request) override;

 private:
  std::optional<FileChoice> RunFileDialog(const std::string& filter, bool save);

  QWidget* parent_;
};

}  // namespace ui
