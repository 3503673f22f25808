#include "table_versions.h"

#include "output_name.h"
#include "own_folder.h"
#include "safe_write.h"
#include "write_all.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <system_error>
#include <utility>

namespace ui {

namespace {

const char kIndexName[] = "index";
const char kIndexHead[] = "dbfview versions 2";
const char kFirstIndexHead[] = "dbfview versions 1";  // no steps, sides or successors
const char kMarkSuffix[] = ".writing";
const char kCopySuffix[] = ".version";

[[noreturn]] void ThrowErrno(int err, const std::string& path) {
  throw std::system_error(err, std::generic_category(), path);
}

std::string Resolved(const std::string& path) {
  char buf[PATH_MAX];
  return ::realpath(path.c_str(), buf) ? std::string(buf) : path;
}

// Copies byte by byte, through copy_file_range where the kernel can, else
// by reading and writing through the file system in use.
void CopyBytes(dbf::FileSystem& files, int from, int to, const std::string& path) {
  for (off_t at = 0;;) {
    const ssize_t n = files.CopyFileRange(from, nullptr, to, nullptr, size_t{1} << 30);
    if (n > 0) {
      at += n;
      continue;
    }
    if (n == 0) return;
    if (errno == EINTR) continue;
    if (at != 0 || (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)) {
      ThrowErrno(errno, path);
    }
    CopyAll(files, from, to, path);  // nothing copied yet: read and write instead
    return;
  }
}

// Makes `to` hold what `from` holds, on the disk: a reflink where the file
// system offers one, else a copy.
// Files of the store are never reached through a link: `from` when it is
// one of them, and always `to`.
void CopyFile(dbf::FileSystem& files, const std::string& from, const std::string& to, int fromFlags = 0) {
  const OwnedFd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC | fromFlags));
  if (in.get() < 0) ThrowErrno(errno, from);
  OwnedFd out(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (out.get() < 0) ThrowErrno(errno, to);
  if (::ioctl(out.get(), FICLONE, in.get()) != 0) CopyBytes(files, in.get(), out.get(), to);
  if (files.Fsync(out.get()) != 0) ThrowErrno(errno, to);
  out.Close(to);
}

}  // namespace

TableVersions::TableVersions(std::string folder, Clock clock, dbf::FileSystem& files)
    : folder_(std::move(folder)), clock_(std::move(clock)), files_(files) {
  ReadIndex();
  std::vector<TableVersion> kept = versions_;
  std::vector<TableVersion> dropped = Prune(kept);
  std::erase_if(kept, [&](const TableVersion& v) {
    return IsTheFileItself(v) ? (dropped.push_back(v), true) : false;
  });
  if (!dropped.empty()) {
    try {
      WriteIndex(kept);
      versions_ = std::move(kept);
    } catch (const std::system_error&) {
      return;  // the old index still names them: they go another time
    }
  }
  RemoveCopies(dropped);
}

std::string TableVersions::CopyOf(uint64_t id) const { return folder_ + "/" + std::to_string(id) + kCopySuffix; }

std::string TableVersions::MarkOf(uint64_t id) const { return folder_ + "/" + std::to_string(id) + kMarkSuffix; }

bool TableVersions::IsTheFileItself(const TableVersion& version) const {
  struct stat copy {};
  struct stat file {};
  return ::lstat(CopyOf(version.id).c_str(), &copy) == 0 && ::stat(version.path.c_str(), &file) == 0 &&
         copy.st_dev == file.st_dev && copy.st_ino == file.st_ino;
}

std::string TableVersions::IndexPath() const { return folder_ + "/" + kIndexName; }

int64_t TableVersions::Now() const { return clock_ ? clock_() : static_cast<int64_t>(std::time(nullptr)); }

// One line a version: id, time, size, side, whether the successor is known
// and its stamp, time taken and digest, the lengths of the step's name and
// the path, then the name and the path, whose bytes may be any but zero.
// An index of the first kind has id, time, size, the path's length and the
// path.
void TableVersions::ReadIndex() {
  // Only a folder of this user's alone is trusted, and its index only when no link.
  if (!IsOwnFolder(folder_)) return;
  const OwnedFd fd(::open(IndexPath().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  if (fd.get() < 0) return;
  std::string bytes;
  char block[4096];
  for (ssize_t got; (got = ::read(fd.get(), block, sizeof block)) > 0;) bytes.append(block, static_cast<size_t>(got));
  std::istringstream in(bytes);
  std::string head;
  if (!std::getline(in, head) || (head != kIndexHead && head != kFirstIndexHead)) return;
  const bool first = head == kFirstIndexHead;
  const auto text = [&in](std::string& to, size_t length) {
    if (length > PATH_MAX) return false;
    to.resize(length);
    return static_cast<bool>(in.read(to.data(), static_cast<std::streamsize>(length)));
  };
  for (;;) {
    TableVersion v;
    int side = 0, known = 0;
    Successor after;
    FileStamp& stamp = after.stamp;
    size_t stepLength = 0, length = 0;
    if (!(in >> v.id >> v.time >> v.size)) break;
    if (!first && !(in >> side >> known >> stamp.identity.device >> stamp.identity.inode >> stamp.identity.born >>
                    stamp.size >> stamp.modified >> stamp.changed >> after.taken >> after.digest.low >>
                    after.digest.high >> stepLength)) {
      break;
    }
    if (!(in >> length) || in.get() != ' ' || !text(v.step, stepLength) || !text(v.path, length) || in.get() != '\n') {
      break;
    }
    v.side = side == 1 ? VersionSide::Redo : VersionSide::Undo;
    if (known == 1) v.after = after;
    lastId_ = std::max(lastId_, v.id);
    versions_.push_back(std::move(v));
  }
}

void TableVersions::WriteIndex(const std::vector<TableVersion>& versions) const {
  std::ostringstream text;
  text << kIndexHead << '\n';
  for (const TableVersion& v : versions) {
    const Successor after = v.after.value_or(Successor{});
    const FileStamp& stamp = after.stamp;
    text << v.id << ' ' << v.time << ' ' << v.size << ' ' << (v.side == VersionSide::Redo ? 1 : 0) << ' '
         << (v.after ? 1 : 0) << ' ' << stamp.identity.device << ' ' << stamp.identity.inode << ' '
         << stamp.identity.born << ' ' << stamp.size << ' ' << stamp.modified << ' ' << stamp.changed << ' '
         << after.taken << ' ' << after.digest.low << ' ' << after.digest.high << ' ' << v.step.size() << ' '
         << v.path.size() << ' ' << v.step << v.path << '\n';
  }
  const std::string bytes = text.str();
  RefuseLinkAt(IndexPath());
  ReplaceFileContents(files_, IndexPath(), {[this, &bytes](const std::string& file) {
                        OwnedFd fd(::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
                        size_t written = 0;
                        const int err = fd.get() < 0 ? errno : WriteAll(files_.Files(), fd.get(), bytes, written);
                        if (err != 0) ThrowErrno(err, file);
                        fd.Close(file);
                      }});
}

void TableVersions::Commit(std::vector<TableVersion> next, const std::vector<TableVersion>& gone) {
  WriteIndex(next);
  versions_ = std::move(next);
  if (!gone.empty()) RemoveCopies(gone);
}

std::vector<TableVersion> TableVersions::Prune(std::vector<TableVersion>& versions) const {
  const int64_t oldest = Now() - kMaxAgeSeconds;
  int64_t total = 0;
  for (const TableVersion& v : versions) total += v.size;
  std::vector<TableVersion> dropped;
  auto it = versions.begin();
  for (; it != versions.end(); ++it) {
    const size_t left = static_cast<size_t>(versions.end() - it);
    if (it->time >= oldest && left <= kMaxVersions && total <= kMaxBytes) break;
    total -= it->size;
    dropped.push_back(*it);
  }
  versions.erase(versions.begin(), it);
  return dropped;
}

void TableVersions::RemoveCopies(const std::vector<TableVersion>& dropped) const {
  for (const TableVersion& v : dropped) {
    files_.Files().Unlink(CopyOf(v.id));
    files_.Files().Unlink(MarkOf(v.id));
  }
  RemoveStrays();
}

void TableVersions::RemoveCopiesAside(const std::vector<TableVersion>& dropped) {
  if (dropped.empty()) return;
  std::vector<std::string> paths;
  for (const TableVersion& v : dropped) {
    paths.push_back(CopyOf(v.id));
    paths.push_back(MarkOf(v.id));
  }
  // Not through the file system in use: what it is told stays on this
  // thread, and a copy that stays is a stray the next start removes.
  removing_ = std::jthread([before = std::move(removing_), paths = std::move(paths)]() mutable {
    if (before.joinable()) before.join();
    for (const std::string& path : paths) ::unlink(path.c_str());
  });
}

void TableVersions::RemoveStrays() const {
  if (!IsOwnFolder(folder_)) return;  // nothing goes from a folder not trusted
  DIR* dir = ::opendir(folder_.c_str());
  if (!dir) return;
  std::vector<std::string> strays;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    const char* suffix = name.ends_with(kCopySuffix) ? kCopySuffix : name.ends_with(kMarkSuffix) ? kMarkSuffix : nullptr;
    if (!suffix) continue;
    const bool named = std::any_of(versions_.begin(), versions_.end(),
                                   [&](const TableVersion& v) { return name == std::to_string(v.id) + suffix; });
    if (!named) strays.push_back(folder_ + "/" + name);
  }
  ::closedir(dir);
  for (const std::string& stray : strays) files_.Files().Unlink(stray);
}

TableVersions::Kept TableVersions::Keep(const std::string& path, const std::string& step, VersionSide side,
                                        Keeping keeping, const std::optional<Successor>& after) {
  keptNow_ = 0;
  TableVersion version;
  version.path = Resolved(path);
  version.step = step;
  version.side = side;
  version.after = after;
  struct stat st {};
  if (::stat(version.path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return Kept::NotAFile;
  if (st.st_size > kMaxBytes) return Kept::TooLarge;
  version.size = st.st_size;
  version.time = Now();
  version.id = std::max(lastId_, versions_.empty() ? 0 : versions_.back().id) + 1;
  PrepareOwnFolder(folder_);
  const std::string copy = CopyOf(version.id);
  std::vector<TableVersion> next = versions_;
  next.push_back(version);
  const std::vector<TableVersion> dropped = Prune(next);
  try {
    if (keeping != Keeping::LinkWhenReplaced || ::link(version.path.c_str(), copy.c_str()) != 0) {
      CopyFile(files_.Files(), version.path, copy);
    }
    WriteIndex(next);
  } catch (...) {
    files_.Files().Unlink(copy);
    throw;
  }
  versions_ = std::move(next);
  keptNow_ = version.id;
  lastId_ = version.id;
  RemoveCopiesAside(dropped);
  return Kept::Yes;
}

void TableVersions::DropKept(const std::string& path) {
  const std::string target = Resolved(path);
  const bool kept = std::any_of(versions_.begin(), versions_.end(),
                                [&](const TableVersion& v) { return v.id == keptNow_ && v.path == target; });
  if (!kept) return;
  try {
    Drop(keptNow_);
  } catch (const std::system_error&) {
    return;  // the index still names it: the next start finds it the file itself
  }
  keptNow_ = 0;
}

// The mark and the folder's entry for it are on the disk before the write
// begins.
void TableVersions::WriteBegins(const std::string& path) {
  writing_ = 0;
  const std::string target = Resolved(path);
  const bool fresh = std::any_of(versions_.begin(), versions_.end(),
                                 [&](const TableVersion& v) { return v.id == keptNow_ && v.path == target; });
  if (!fresh) return;
  OwnedFd mark(::open(MarkOf(keptNow_).c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
  const OwnedFd folder(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (mark.get() < 0 || folder.get() < 0 || files_.Files().Fsync(folder.get()) != 0) return;
  writing_ = keptNow_;
}

void TableVersions::WriteEnded(const std::string&) {
  if (writing_ != 0) files_.Files().Unlink(MarkOf(std::exchange(writing_, 0)));
}

std::vector<TableVersion> TableVersions::Interrupted() const {
  std::vector<TableVersion> interrupted;
  struct stat st {};
  for (const TableVersion& v : versions_) {
    if (v.id != writing_ && ::lstat(MarkOf(v.id).c_str(), &st) == 0) interrupted.push_back(v);
  }
  return interrupted;
}

void TableVersions::Settle(const TableVersion& version) { files_.Files().Unlink(MarkOf(version.id)); }

std::optional<TableVersion> TableVersions::Newest(const std::string& path, VersionSide side) const {
  const std::string target = Resolved(path);
  const auto last = std::find_if(versions_.rbegin(), versions_.rend(),
                                 [&](const TableVersion& v) { return v.path == target && v.side == side; });
  if (last == versions_.rend()) return std::nullopt;
  return *last;
}

bool TableVersions::RestoreLast(const std::string& path, VersionSide side) {
  const std::optional<TableVersion> version = Newest(path, side);
  if (!version) return false;
  {
    PrepareOwnFolder(folder_);
    ReplaceFileContents(files_, version->path, {[&](const std::string& file) {
                          CopyFile(files_.Files(), CopyOf(version->id), file, O_NOFOLLOW);
                        }});
  }
  try {
    Drop(version->id);
  } catch (const std::system_error&) {
    // the index still names the version, which stays
  }
  return true;
}

void TableVersions::SetSuccessor(uint64_t id, const Successor& after) {
  std::vector<TableVersion> next = versions_;
  for (TableVersion& v : next) {
    if (v.id == id) v.after = after;
  }
  Commit(std::move(next), {});
}

bool TableVersions::SameAsFile(const TableVersion& version, const FileServices& files) const {
  const std::optional<FileStamp> now = FileStamp::Of(version.path);
  return now && now->size == version.size && files.DigestOf(version.path) == FileDigest::Of(CopyOf(version.id));
}

void TableVersions::Drop(uint64_t id) {
  std::vector<TableVersion> next = versions_, gone;
  const auto it = std::find_if(next.begin(), next.end(), [id](const TableVersion& v) { return v.id == id; });
  if (it == next.end()) return;
  gone.push_back(*it);
  next.erase(it);
  Commit(std::move(next), gone);
}

}  // namespace ui
