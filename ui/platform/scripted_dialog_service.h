// A DialogService for tests: answers come from queues the test fills
// beforehand; every request is recorded. An empty queue answers as a person
// who cancels (No for questions) and counts as unanswered, so a test can tell
// that a window asked for more than it expected.
#pragma once

#include "dialog_service.h"

#include <deque>
#include <vector>

namespace ui {

class ScriptedDialogService : public DialogService {
 public:
  // Answers, used front first. An empty optional answers "Cancel".
  std::deque<std::optional<FileChoice>> openAnswers;
  std::deque<std::optional<FileChoice>> saveAnswers;
  std::deque<bool> askAnswers;
  std::deque<std::optional<QFont>> fontAnswers;

  // What the windows asked, in order.
  std::vector<std::string> messages;       // texts exactly as given, "\r\n" included
  std::vector<std::string> questions;      // title + "|" + text
  std::vector<std::string> openFilters;
  std::vector<std::string> saveFilters;
  std::vector<FontRequest> fontRequests;
  int unanswered = 0;

  // Queues one open-dialog answer choosing `path` through filter entry `filterIndex`.
  void WillOpen(const std::string& path, int filterIndex = 1) {
    openAnswers.push_back(FileChoice{path, filterIndex});
  }

  void Message(const std::string& text) override;
  bool Ask(const std::string& title, const std::string& text) override;
  std::optional<FileChoice> OpenFile(const std::string& filter) override;
  std::optional<FileChoice> SaveFile(const std::string& filter) override;
  std::optional<QFont> ChooseFont(const FontRequest& request) override;
};

}  // namespace ui
