#include "scripted_dialog_service.h"

namespace ui {

namespace {

template <typename T>
T Next(std::deque<T>& queue, int& unanswered, T fallback) {
  if (queue.empty()) {
    ++unanswered;
    return fallback;
  }
  T answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

void ScriptedDialogService::Message(const std::string& text) { messages.push_back(text); }

bool ScriptedDialogService::Ask(const std::string& title, const std::string& text) {
  questions.push_back(title + "|" + text);
  return Next(askAnswers, unanswered, false);
}

std::optional<FileChoice> ScriptedDialogService::OpenFile(const std::string& filter) {
  openFilters.push_back(filter);
  return Next(openAnswers, unanswered, std::optional<FileChoice>());
}

std::optional<FileChoice> ScriptedDialogService::SaveFile(const std::string& filter) {
  saveFilters.push_back(filter);
  return Next(saveAnswers, unanswered, std::optional<FileChoice>());
}

std::optional<QFont> ScriptedDialogService::ChooseFont(const FontRequest& request) {
  fontRequests.push_back(request);
  return Next(fontAnswers, unanswered, std::optional<QFont>());
}

}  // namespace ui
