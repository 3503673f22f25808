// The tables as they were before the program changed them, kept in a folder
// of the user's cache so that the last change to a table can be undone, also
// after the program was restarted or ended by a crash.
//
// Each version is a copy of the whole file (a reflink where the file system
// offers one, so that it costs no room until the table changes), named by a
// number; an index file in the folder records, for each, the file it was
// kept of, when, and its size. The index is replaced whole through
// ReplaceFileContents, so a crash leaves the old or the new one; copies the
// index does not name (a crash between copy and index) go at the next start,
// as do versions kept as another name of a file that was then not replaced
// (a crash before the replacement).
//
// A version kept before a write in place is marked, by a file beside its
// copy, from the write's beginning to its end: a version still marked when
// the store is made again is that of a write a kill broke off, and the file
// may be torn (Interrupted).
//
// At most kMaxVersions versions of kMaxBytes together are kept, the oldest
// going first; a file larger than kMaxBytes is not kept. Versions older than
// kMaxAgeSeconds go when the store is made and whenever a version is added.
// The copies of versions that go as one is added are removed on a thread of
// their own, once the index no longer names them, so that freeing their room
// does not hold up the change; the store waits for it when it goes, and a
// copy left by a process ended meanwhile goes at the next start. A version's
// number is not given again while the store lives.
#pragma once

#include "file_identity.h"
#include "file_services.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace ui {

// Which way putting a version back goes: undoing a change, or taking back
// an undo (the content the undo replaced).
enum class VersionSide { Undo, Redo };

// The file as the change after a version left it, to tell at undo time
// whether anybody changed it since.
struct Successor {
  FileStamp stamp;
  int64_t taken = 0;  // when the stamp was taken, by FileClockNow
  FileDigest digest;
  bool operator==(const Successor&) const = default;
};

struct TableVersion {
  uint64_t id = 0;    // the copy's name in the folder
  int64_t time = 0;   // when it was kept, seconds since the epoch
  int64_t size = 0;
  std::string path;   // the file it was kept of, links resolved
  std::string step;   // the command whose change it lets undo
  VersionSide side = VersionSide::Undo;
  std::optional<Successor> after;  // unknown when the command never ended
  bool operator==(const TableVersion&) const = default;
};

class TableVersions {
 public:
  static constexpr size_t kMaxVersions = 20;
  static constexpr int64_t kMaxBytes = int64_t{2} << 30;
  static constexpr int64_t kMaxAgeSeconds = int64_t{7} * 24 * 60 * 60;
  // Seconds since the epoch; the system's clock when empty.
  using Clock = std::function<int64_t()>;

  // Reads the index in `folder` and drops the versions too old to keep. A
  // folder that is missing or cannot be read, or is not this user's alone
  // (a link, another user's, open to others), holds no versions; it is made
  // (mode 0700) when the first version is kept. Its files are never reached
  // through a link. The store's own writes go through `files` and are
  // announced to nobody.
  explicit TableVersions(std::string folder, Clock clock = {}, dbf::FileSystem& files = dbf::SystemFileSystem());

  enum class Kept { Yes, NotAFile, TooLarge };
  // How the version is kept: a copy, or, for a file about to be replaced
  // whole by a new one (which leaves this one unchanged), another name of
  // the file itself where the folder lies on its file system.
  enum class Keeping { Copy, LinkWhenReplaced };
  // Keeps the file's present contents as its newest version. Something that
  // is no regular file, and a file over kMaxBytes, are not kept (and said
  // so). Throws std::system_error when the copy or the index cannot be
  // written, OwnFolderError when the folder is not this user's alone, or a
  // link stands for the index; the versions are then as they were. `after`,
  // when known, is how the change will leave the file, recorded at once.
  Kept Keep(const std::string& path, const std::string& step = {}, VersionSide side = VersionSide::Undo,
            Keeping keeping = Keeping::Copy, const std::optional<Successor>& after = {});
  // The change the last Keep of the file was for did not happen: that
  // version goes again (a version kept as another name of the file would
  // otherwise change with it).
  void DropKept(const std::string& path);

  // A write into the file where it stands begins: the version the last Keep
  // made, when it was this file's, is marked until WriteEnded. A mark that
  // cannot be made is no failure: the write goes on unmarked.
  void WriteBegins(const std::string& path);
  void WriteEnded(const std::string& path);
  // The versions marked when the store was made, their writes broken off.
  std::vector<TableVersion> Interrupted() const;
  // Takes the version's mark away: its broken write has been seen to.
  void Settle(const TableVersion& version);

  // Puts the newest version of the file on that side back in its place byte
  // for byte, through ReplaceFileContents (announcing no change), and drops
  // it. False when none is kept. A failure throws and leaves the file as it
  // was and the version kept.
  bool RestoreLast(const std::string& path, VersionSide side = VersionSide::Undo);

  // The newest version of the file on that side, if any.
  std::optional<TableVersion> Newest(const std::string& path, VersionSide side) const;
  // Records how the change after version `id` left its file. Throws
  // std::system_error when the index cannot be written.
  void SetSuccessor(uint64_t id, const Successor& after);
  // True when the version's file holds its very bytes: the change after it
  // changed none. The file's digest comes from `files`, which remember the
  // one taken as they wrote it.
  bool SameAsFile(const TableVersion& version, const FileServices& files) const;
  // Drops the version (its copy too). Throws std::system_error when the
  // index cannot be written; the version then stays.
  void Drop(uint64_t id);

  // Every version kept, oldest first.
  const std::vector<TableVersion>& Versions() const { return versions_; }

 private:
  std::string CopyOf(uint64_t id) const;
  std::string MarkOf(uint64_t id) const;
  // True when the version's copy is another name of the file it was kept of.
  bool IsTheFileItself(const TableVersion& version) const;
  std::string IndexPath() const;
  int64_t Now() const;
  void ReadIndex();
  void WriteIndex(const std::vector<TableVersion>& versions) const;
  // Makes `next` the versions, with its index; drops the copies of `gone`
  // (and strays with them).
  void Commit(std::vector<TableVersion> next, const std::vector<TableVersion>& gone);
  // Takes out of `versions` those over the limits of age, count and size,
  // oldest first, and returns them.
  std::vector<TableVersion> Prune(std::vector<TableVersion>& versions) const;
  // Removes the copies of `dropped`, and copies in the folder no version names.
  void RemoveCopies(const std::vector<TableVersion>& dropped) const;
  // The same on the removing thread, after the removals begun before.
  void RemoveCopiesAside(const std::vector<TableVersion>& dropped);
  void RemoveStrays() const;

  std::string folder_;
  Clock clock_;
  mutable FileServices files_;
  std::vector<TableVersion> versions_;
  uint64_t keptNow_ = 0;  // the version the last Keep made, 0: none
  uint64_t writing_ = 0;  // the version marked for the write going on
  uint64_t lastId_ = 0;   // the highest version number given or read
  std::jthread removing_;
};

}  // namespace ui
