#include "file_services.h"

#include <sys/stat.h>

namespace ui {

void FileServices::AnnounceChange(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return;  // nothing there to keep
  Tell(&ChangeWatcher::BeforeChange, path);
}

void FileServices::Tell(void (ChangeWatcher::*told)(const std::string&), const std::string& path) {
  if (!watcher_ || telling_) return;
  telling_ = true;
  struct Done {
    bool& telling;
    ~Done() { telling = false; }
  } done{telling_};
  (watcher_->*told)(path);
}

void FileServices::Replacing(const std::string& file, const std::optional<FileDigest>& digest) {
  replacing_.reset();
  const std::optional<FileStamp> stamp = FileStamp::Of(file);
  if (stamp && digest) replacing_ = NewFileMade{*stamp, FileClockNow(), *digest};
}

void FileServices::Replaced(const std::string& path, const FileDigest& digest) {
  replacing_.reset();
  replaced_.reset();
  if (const std::optional<FileStamp> stamp = FileStamp::Of(path)) replaced_.emplace(*stamp, digest);
}

std::optional<FileDigest> FileServices::DigestOf(const std::string& path) const {
  if (replaced_ && FileStamp::Of(path) == replaced_->first) return replaced_->second;
  return FileDigest::Of(path);
}

ChangeWatcherScope::ChangeWatcherScope(FileServices& services, ChangeWatcher& watcher)
    : services_(services), watcher_(watcher) {
  services_.watcher_ = &watcher;
}

ChangeWatcherScope::~ChangeWatcherScope() {
  if (services_.watcher_ == &watcher_) services_.watcher_ = nullptr;
}

}  // namespace ui
