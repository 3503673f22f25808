#include "scripted_dialog_service.h"

#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {

ScriptedDialogService::FaultReporter& Reporter() {
  static ScriptedDialogService::FaultReporter reporter;
  return reporter;
}

void Report(const std::string& fault) {
  if (Reporter()) return Reporter()(fault);
  std::fprintf(stderr, "ScriptedDialogService: %s\n", fault.c_str());
  std::abort();
}

// The next scripted answer; a dialog nobody scripted is a fault and is
// answered as a person who cancels.
template <typename T>
T Next(std::deque<T>& queue, const std::string& dialog, T cancel) {
  if (queue.empty()) {
    Report("a dialog came that was not scripted: " + dialog);
    return cancel;
  }
  T answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

void ReportUnused(std::size_t left, const char* dialog) {
  if (left > 0) Report(std::to_string(left) + " scripted answer(s) for the " + dialog + " never asked for");
}

}  // namespace

void ScriptedDialogService::SetFaultReporter(FaultReporter reporter) { Reporter() = std::move(reporter); }

ScriptedDialogService::~ScriptedDialogService() {
  ReportUnused(openAnswers.size(), "open dialog");
  ReportUnused(saveAnswers.size(), "save dialog");
  ReportUnused(askAnswers.size(), "question");
  ReportUnused(fontAnswers.size(), "font dialog");
  ReportUnused(textAnswers.size(), "text input");
  ReportUnused(saveChangesAnswers.size(), "save-changes question");
}

void ScriptedDialogService::Message(const std::string& text) { messages.push_back(text); }

bool ScriptedDialogService::Ask(const std::string& title, const std::string& text) {
  questions.push_back(title + "|" + text);
  return Next(askAnswers, "question " + questions.back(), false);
}

SaveAnswer ScriptedDialogService::AskSaveChanges(const std::string& text) {
  saveChangesQuestions.push_back(text);
  return Next(saveChangesAnswers, "save-changes question " + text, SaveAnswer::Cancel);
}

std::optional<FileChoice> ScriptedDialogService::OpenFile(const std::string& filter) {
  openFilters.push_back(filter);
  return Next(openAnswers, "open dialog " + filter, std::optional<FileChoice>());
}

std::optional<FileChoice> ScriptedDialogService::SaveFile(const std::string& filter) {
  saveFilters.push_back(filter);
  return Next(saveAnswers, "save dialog " + filter, std::optional<FileChoice>());
}

std::optional<QFont> ScriptedDialogService::ChooseFont(const FontRequest& request) {
  fontRequests.push_back(request);
  return Next(fontAnswers, std::string("font dialog"), std::optional<QFont>());
}

void ScriptedDialogService::ShowText(const std::string& title, const std::string& text) {
  shownTexts.push_back(title + "|" + text);
}

std::optional<std::string> ScriptedDialogService::AskText(const std::string& title, const std::string& label,
                                                          const std::string& initial) {
  textRequests.push_back(title + "|" + label + "|" + initial);
  return Next(textAnswers, "text input " + textRequests.back(), std::optional<std::string>());
}

}  // namespace ui
