// The record store's edit history (see record_store.h).
#include "record_store.h"

#include <utility>

void RecordStore::Record(Change change, uint64_t editsBefore, std::optional<std::string> before,
                         std::optional<std::string> after) {
  if (replaying_) return;
  undone_.clear();
  if (!open_) open_ = Step{{}, {}, editsBefore, editsBefore};
  if (change.kind == Change::kCell || before || after) {
    change.text = static_cast<uint32_t>(open_->texts.size());
    open_->texts.push_back(std::move(before));
    open_->texts.push_back(std::move(after));
  }
  open_->changes.push_back(change);
  if (groupDepth_ == 0) EndGroup();
}

void RecordStore::BeginGroup() { ++groupDepth_; }

void RecordStore::EndGroup() {
  if (groupDepth_ > 0) --groupDepth_;
  if (groupDepth_ > 0 || !open_) return;
  open_->editsAfter = edits_;
  done_.push_back(std::move(*open_));
  open_.reset();
}

void RecordStore::Apply(const Change& change, const Step& step, bool forward) {
  // A mark has texts only where it is another text than the row's number.
  const auto text = [&](bool after) { return step.texts[change.text + (after ? 1 : 0)]; };
  switch (change.kind) {
    case Change::kCell:
      SetTyped(change.row, change.column, text(forward));
      break;
    case Change::kMark: {
      const Mark mark = static_cast<Mark>(forward ? change.markAfter : change.markBefore);
      SetMark(change.row, mark, mark == kOther ? text(forward) : std::nullopt);
      break;
    }
    case Change::kInsert:
      if (forward) {
        InsertRow(change.row);
      } else {
        RemoveInsertedRow(change.row);
      }
      break;
  }
}

std::optional<RecordStore::Place> RecordStore::Undo() {
  if (done_.empty()) return std::nullopt;
  Step step = std::move(done_.back());
  done_.pop_back();
  replaying_ = true;
  for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change) Apply(*change, step, false);
  replaying_ = false;
  edits_ = step.editsBefore;
  const Place place{step.changes.front().row, step.changes.front().column};
  undone_.push_back(std::move(step));
  return place;
}

std::optional<RecordStore::Place> RecordStore::Redo() {
  if (undone_.empty()) return std::nullopt;
  Step step = std::move(undone_.back());
  undone_.pop_back();
  replaying_ = true;
  for (const Change& change : step.changes) Apply(change, step, true);
  replaying_ = false;
  edits_ = step.editsAfter;
  const Place place{step.changes.front().row, step.changes.front().column};
  done_.push_back(std::move(step));
  return place;
}

void RecordStore::ForgetHistory() {
  done_.clear();
  undone_.clear();
  open_.reset();
}

void RecordStore::EditsSaved() {
  savedEdits_ = edits_;
  ForgetHistory();
}
