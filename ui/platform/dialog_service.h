// Everything that waits for a person goes through this interface, so that
// windows can be driven headless: the program uses QtDialogService, tests use
// ScriptedDialogService, which answers from queues and records every request.
//
// Texts are UTF-8. Message texts keep the "\r\n" joins the program builds
// them with; only the on-screen display turns them into line breaks.
// Filter lists use the "Name|pattern|Name|pattern|" form, e.g.
// "Файлы *.dbf|*.dbf|Все файлы|*.*|"; the chosen entry is reported 1-based.
#pragma once

#include "dbf_texts.h"

#include <QFont>

#include <optional>
#include <string>

namespace ui {

// The filter list of the dialogs that choose a table: tables, then any file,
// in the language of the window.
inline std::string TableFilter() { return dbf::Tr("DialogService", "Файлы *.dbf|*.dbf|Все файлы|*.*|"); }

struct FileChoice {
  std::string path;
  int filterIndex = 1;  // 1-based entry of the filter list that was selected
};

struct FontRequest {
  QFont initial;
  int minSize = 0;  // points; 0 = no limit
  int maxSize = 0;
  int presetSize = 0;  // points the dialog opens with; 0 = the initial font's
};

// The answers to "save the changes?": save them, drop them, or do not go on.
enum class SaveAnswer { Yes, No, Cancel };

class DialogService {
 public:
  virtual ~DialogService() = default;

  // A modal message with an OK button.
  virtual void Message(const std::string& text) = 0;
  // A modal Yes/No question; true for Yes.
  virtual bool Ask(const std::string& title, const std::string& text) = 0;
  // A modal question with the buttons "Да", "Нет" and "Отмена"; closing it
  // answers Cancel.
  virtual SaveAnswer AskSaveChanges(const std::string& text) = 0;
  // The file-open dialog; nothing when cancelled.
  virtual std::optional<FileChoice> OpenFile(const std::string& filter) = 0;
  // The file-save dialog; nothing when cancelled.
  virtual std::optional<FileChoice> SaveFile(const std::string& filter) = 0;
  // The font dialog; nothing when cancelled.
  virtual std::optional<QFont> ChooseFont(const FontRequest& request) = 0;
  // A modal window showing a text that cannot be changed there, until it is
  // closed.
  virtual void ShowText(const std::string& title, const std::string& text) = 0;
  // A one-line text input under `label`, starting with `initial`; nothing
  // when cancelled.
  virtual std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                             const std::string& initial) = 0;
};

}  // namespace ui
