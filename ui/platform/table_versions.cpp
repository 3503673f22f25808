#include "table_versions.h"

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
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

namespace ui {

namespace {

const char kIndexName[] = "index";
const char kIndexHead[] = "dbfview versions 1";
const char kCopySuffix[] = ".version";
const char kMarkSuffix[] = ".writing";

[[noreturn]] void ThrowErrno(int err, const std::string& path) {
  throw std::system_error(err, std::generic_category(), path);
}

std::string Resolved(const std::string& path) {
  char buf[PATH_MAX];
  return ::realpath(path.c_str(), buf) ? std::string(buf) : path;
}

// Copies byte by byte, through copy_file_range where the kernel can, else
// by reading and writing through the file system in use.
void CopyBytes(int from, int to, const std::string& path) {
  for (off_t at = 0;;) {
    const ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, size_t{1} << 30, 0);
    if (n > 0) {
      at += n;
      continue;
    }
    if (n == 0) return;
    if (errno == EINTR) continue;
    if (at != 0 || (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)) {
      ThrowErrno(errno, path);
    }
    CopyAll(from, to, path);  // nothing copied yet: read and write instead
    return;
  }
}

// Makes `to` hold what `from` holds, on the disk: a reflink where the file
// system offers one, else a copy.
void CopyFile(const std::string& from, const std::string& to) {
  const OwnedFd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) ThrowErrno(errno, from);
  OwnedFd out(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
  if (out.get() < 0) ThrowErrno(errno, to);
  if (::ioctl(out.get(), FICLONE, in.get()) != 0) CopyBytes(in.get(), out.get(), to);
  if (CurrentFileSystem().Fsync(out.get()) != 0) ThrowErrno(errno, to);
  out.Close(to);
}

void MakeFolder(const std::string& folder) {
  for (size_t slash = 1; slash != std::string::npos;) {
    slash = folder.find('/', slash + 1);
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) ThrowErrno(errno, part);
  }
}

}  // namespace

TableVersions::TableVersions(std::string folder, Clock clock) : folder_(std::move(folder)), clock_(std::move(clock)) {
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

// One line a version: id, time, size, the path's length and the path, whose
// bytes may be any but zero.
void TableVersions::ReadIndex() {
  std::ifstream in(IndexPath(), std::ios::binary);
  std::string head;
  if (!std::getline(in, head) || head != kIndexHead) return;
  for (;;) {
    TableVersion v;
    size_t length = 0;
    if (!(in >> v.id >> v.time >> v.size >> length) || in.get() != ' ' || length > PATH_MAX) break;
    v.path.resize(length);
    if (!in.read(v.path.data(), static_cast<std::streamsize>(length)) || in.get() != '\n') break;
    versions_.push_back(std::move(v));
  }
}

void TableVersions::WriteIndex(const std::vector<TableVersion>& versions) const {
  std::ostringstream text;
  text << kIndexHead << '\n';
  for (const TableVersion& v : versions) {
    text << v.id << ' ' << v.time << ' ' << v.size << ' ' << v.path.size() << ' ' << v.path << '\n';
  }
  const std::string bytes = text.str();
  const QuietChanges quiet;
  ReplaceFileContents(IndexPath(), {[&bytes](const std::string& file) {
                        OwnedFd fd(::open(file.c_str(), O_WRONLY | O_CLOEXEC));
                        size_t written = 0;
                        const int err = fd.get() < 0 ? errno : WriteAll(fd.get(), bytes, written);
                        if (err != 0) ThrowErrno(err, file);
                        fd.Close(file);
                      }});
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
    CurrentFileSystem().Unlink(CopyOf(v.id));
    CurrentFileSystem().Unlink(MarkOf(v.id));
  }
  RemoveStrays();
}

void TableVersions::RemoveStrays() const {
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
  for (const std::string& stray : strays) CurrentFileSystem().Unlink(stray);
}

TableVersions::Kept TableVersions::Keep(const std::string& path, Keeping keeping) {
  keptNow_ = 0;
  TableVersion version;
  version.path = Resolved(path);
  struct stat st {};
  if (::stat(version.path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return Kept::NotAFile;
  if (st.st_size > kMaxBytes) return Kept::TooLarge;
  version.size = st.st_size;
  version.time = Now();
  version.id = versions_.empty() ? 1 : versions_.back().id + 1;
  MakeFolder(folder_);
  const std::string copy = CopyOf(version.id);
  std::vector<TableVersion> next = versions_;
  next.push_back(version);
  const std::vector<TableVersion> dropped = Prune(next);
  try {
    if (keeping != Keeping::LinkWhenReplaced || ::link(version.path.c_str(), copy.c_str()) != 0) {
      CopyFile(version.path, copy);
    }
    WriteIndex(next);
  } catch (...) {
    CurrentFileSystem().Unlink(copy);
    throw;
  }
  versions_ = std::move(next);
  RemoveCopies(dropped);
  keptNow_ = version.id;
  return Kept::Yes;
}

void TableVersions::DropKept(const std::string& path) {
  const std::string target = Resolved(path);
  const auto kept = std::find_if(versions_.begin(), versions_.end(),
                                 [&](const TableVersion& v) { return v.id == keptNow_ && v.path == target; });
  if (kept == versions_.end()) return;
  std::vector<TableVersion> next = versions_;
  next.erase(next.begin() + (kept - versions_.begin()));
  try {
    WriteIndex(next);
  } catch (const std::system_error&) {
    return;  // the index still names it: the next start finds it the file itself
  }
  const uint64_t id = std::exchange(keptNow_, 0);
  versions_ = std::move(next);
  CurrentFileSystem().Unlink(CopyOf(id));
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
  if (mark.get() < 0 || folder.get() < 0 || CurrentFileSystem().Fsync(folder.get()) != 0) return;
  writing_ = keptNow_;
}

void TableVersions::WriteEnded(const std::string&) {
  if (writing_ != 0) CurrentFileSystem().Unlink(MarkOf(std::exchange(writing_, 0)));
}

std::vector<TableVersion> TableVersions::Interrupted() const {
  std::vector<TableVersion> interrupted;
  struct stat st {};
  for (const TableVersion& v : versions_) {
    if (v.id != writing_ && ::lstat(MarkOf(v.id).c_str(), &st) == 0) interrupted.push_back(v);
  }
  return interrupted;
}

void TableVersions::Settle(const TableVersion& version) { CurrentFileSystem().Unlink(MarkOf(version.id)); }

bool TableVersions::RestoreLast(const std::string& path) {
  const std::string target = Resolved(path);
  const auto last = std::find_if(versions_.rbegin(), versions_.rend(),
                                 [&](const TableVersion& v) { return v.path == target; });
  if (last == versions_.rend()) return false;
  const TableVersion version = *last;
  {
    const QuietChanges quiet;
    ReplaceFileContents(target, {[&](const std::string& file) { CopyFile(CopyOf(version.id), file); }});
  }
  std::vector<TableVersion> next = versions_;
  next.erase(next.begin() + (versions_.rend() - last - 1));
  try {
    WriteIndex(next);
  } catch (const std::system_error&) {
    return true;  // the index still names the version, which stays
  }
  versions_ = std::move(next);
  CurrentFileSystem().Unlink(CopyOf(version.id));
  CurrentFileSystem().Unlink(MarkOf(version.id));
  return true;
}

}  // namespace ui
