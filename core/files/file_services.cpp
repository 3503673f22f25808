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

ChangeWatcherScope::ChangeWatcherScope(FileServices& services, ChangeWatcher& watcher)
    : services_(services), watcher_(watcher) {
  services_.watcher_ = &watcher;
}

ChangeWatcherScope::~ChangeWatcherScope() {
  if (services_.watcher_ == &watcher_) services_.watcher_ = nullptr;
}

}  // namespace ui
