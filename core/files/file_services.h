// The file services a command's writes go through: the file system whose
// calls change files, and the watcher told before a file that is there
// changes (the program's version store, for undo). The program makes one
// set and hands it down with the table's context, as every command's
// writes take it from there: the safe writes, the version store and the
// engine's table handles. A set with no watcher announces nothing; the
// version store's own writes go through one.
#pragma once

#include "dbf_file_system.h"
#include "file_identity.h"

#include <optional>
#include <string>
#include <utility>

namespace ui {

// Told before a file that is there is changed.
class ChangeWatcher {
 public:
  virtual ~ChangeWatcher() = default;
  virtual void BeforeChange(const std::string& path) = 0;
  // The file is about to be replaced whole by a new one renamed over it: the
  // file that is there now is left unchanged by the rename. When the
  // rename then fails, ReplaceFailed follows: the file stays in its place.
  virtual void BeforeReplace(const std::string& path) { BeforeChange(path); }
  virtual void ReplaceFailed(const std::string&) {}
  // A write into the file where it stands begins (after BeforeChange), and
  // has ended with the file whole again, old or new.
  virtual void WriteBegins(const std::string&) {}
  virtual void WriteEnded(const std::string&) {}
};

class FileServices {
 public:
  explicit FileServices(dbf::FileSystem& files = dbf::SystemFileSystem()) : files_(files) {}
  FileServices(const FileServices&) = delete;
  FileServices& operator=(const FileServices&) = delete;

  dbf::FileSystem& Files() const { return files_; }

  // Tells the watcher in place, if any, that `path` is about to change (when
  // something is there to change).
  void AnnounceChange(const std::string& path);
  // Tells the watcher in place, if any; what the watcher itself writes
  // meanwhile is announced to nobody.
  void Tell(void (ChangeWatcher::*told)(const std::string&), const std::string& path);

  // The new file at `file`, of that digest when known, is about to take a
  // file's place (told before BeforeReplace); what Replacing gives then.
  void Replacing(const std::string& file, const std::optional<FileDigest>& digest);
  struct NewFileMade {
    FileStamp stamp;  // before it takes the name, which changes its status time
    int64_t taken = 0;
    FileDigest digest;
  };
  const std::optional<NewFileMade>& Replacing() const { return replacing_; }
  // A new file holding bytes of that digest has just taken `path`'s place:
  // remembered with the file's stamp, so that the digest of the file a
  // command left need not be read back.
  void Replaced(const std::string& path, const FileDigest& digest);
  // The digest of the file at `path`: the one remembered while the file's
  // stamp is still the one it had then, else read from the file.
  std::optional<FileDigest> DigestOf(const std::string& path) const;

 private:
  friend class ChangeWatcherScope;

  std::optional<NewFileMade> replacing_;
  std::optional<std::pair<FileStamp, FileDigest>> replaced_;

  dbf::FileSystem& files_;
  ChangeWatcher* watcher_ = nullptr;
  bool telling_ = false;
};

// Puts a watcher in place on the services while it lives. There is one
// watcher at a time, the last put in place; going, it leaves none (unless
// another took its place meanwhile).
class ChangeWatcherScope {
 public:
  ChangeWatcherScope(FileServices& services, ChangeWatcher& watcher);
  ~ChangeWatcherScope();
  ChangeWatcherScope(const ChangeWatcherScope&) = delete;
  ChangeWatcherScope& operator=(const ChangeWatcherScope&) = delete;

 private:
  FileServices& services_;
  ChangeWatcher& watcher_;
};

}  // namespace ui
