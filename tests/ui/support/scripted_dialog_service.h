// A DialogService for tests, answering from queues and recording every request.
// Strict: a dialog with no answer scripted (a cancel too, as an empty answer)
// and an answer still queued at the end are reported as faults.
#pragma once

#include "dialog_service.h"

#include <deque>
#include <functional>
#include <vector>

namespace ui {

class ScriptedDialogService : public DialogService {
 public:
  // Where faults go (the tests' main fails the test); without one a fault aborts.
  using FaultReporter = std::function<void(const std::string& fault)>;
  static void SetFaultReporter(FaultReporter reporter);

  ScriptedDialogService() = default;
  ScriptedDialogService(const ScriptedDialogService&) = delete;
  ScriptedDialogService& operator=(const ScriptedDialogService&) = delete;
  // Reports the answers that were never asked for.
  ~ScriptedDialogService() override;

  // Answers, used front first. An empty optional answers "Cancel".
  std::deque<std::optional<FileChoice>> openAnswers;
  std::deque<std::optional<FileChoice>> saveAnswers;
  std::deque<bool> askAnswers;
  std::deque<std::optional<QFont>> fontAnswers;
  std::deque<std::optional<std::string>> textAnswers;
  std::deque<SaveAnswer> saveChangesAnswers;

  // What the windows asked, in order.
  std::vector<std::string> messages;       // texts exactly as given, "\r\n" included
  std::vector<std::string> questions;      // title + "|" + text
  std::vector<std::string> openFilters;
  std::vector<std::string> saveFilters;
  std::vector<FontRequest> fontRequests;
  std::vector<std::string> shownTexts;     // title + "|" + text
  std::vector<std::string> textRequests;  // title + "|" + label + "|" + initial
  std::vector<std::string> saveChangesQuestions;

  // Queues one open-dialog answer choosing `path` through filter entry `filterIndex`.
  void WillOpen(const std::string& path, int filterIndex = 1) {
    openAnswers.push_back(FileChoice{path, filterIndex});
  }

  void Message(const std::string& text) override;
  bool Ask(const std::string& title, const std::string& text) override;
  SaveAnswer AskSaveChanges(const std::string& text) override;
  std::optional<FileChoice> OpenFile(const std::string& filter) override;
  std::optional<FileChoice> SaveFile(const std::string& filter) override;
  std::optional<QFont> ChooseFont(const FontRequest& request) override;
  void ShowText(const std::string& title, const std::string& text) override;
  std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                     const std::string& initial) override;
};

}  // namespace ui
