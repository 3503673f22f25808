#include "safe_write.h"

#include "output_name.h"
#include "write_all.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <future>
#include <system_error>
#include <utility>
#include <vector>

namespace ui {

namespace {

const char kStagingPrefix[] = ".dbfview-save-";
// How long a staged file nobody holds must have stood unchanged to be taken
// for a killed process's: the lock is taken just after the file is made.
constexpr time_t kStaleSeconds = 60;
// Files from this size on are digested on a thread while they go to the disk.
constexpr off_t kDigestAsideFrom = off_t{1} << 20;

[[noreturn]] void ThrowErrno(int err, const std::string& path) {
  throw std::system_error(err, std::generic_category(), path);
}

// Throws the exception being handled again; a std::system_error whose text
// does not name `path` goes on as one with the path in front.
[[noreturn]] void RethrowNamingFile(const std::string& path) {
  try {
    throw;
  } catch (const std::system_error& e) {
    std::string what = e.what();
    if (what.find(path) != std::string::npos) throw;
    // The text ends with the system's text for the code, which the new
    // exception adds again.
    const std::string message = e.code().message();
    if (what == message) {
      what.clear();
    } else if (what.ends_with(": " + message)) {
      what.resize(what.size() - message.size() - 2);
    }
    throw std::system_error(e.code(), what.empty() ? path : path + ": " + what);
  }
}

// The file a path names, links followed; the path itself when it does not
// exist yet.
std::string ResolvedTarget(const std::string& path) {
  char buf[PATH_MAX];
  return ::realpath(path.c_str(), buf) ? std::string(buf) : path;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode(mode_t mode = 0666) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mode & ~mask;
}

using Attribute = std::pair<std::string, std::string>;  // name, value

// Every extended attribute of the file; none where the file system has none.
std::vector<Attribute> ReadAttributes(const std::string& path) {
  std::vector<char> names;
  for (;;) {
    const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
    if (size < 0 && (errno == ENOTSUP || errno == ENOSYS)) return {};
    if (size < 0) ThrowErrno(errno, path);
    names.resize(static_cast<size_t>(size));
    const ssize_t got = ::listxattr(path.c_str(), names.data(), names.size());
    if (got >= 0) {
      names.resize(static_cast<size_t>(got));
      break;
    }
    if (errno != ERANGE) ThrowErrno(errno, path);  // ERANGE: the list grew meanwhile
  }
  std::vector<Attribute> attributes;
  for (size_t at = 0; at < names.size();) {
    std::string name(names.data() + at);
    at += name.size() + 1;
    std::string value;
    for (;;) {
      const ssize_t size = ::getxattr(path.c_str(), name.c_str(), nullptr, 0);
      if (size < 0) ThrowErrno(errno, path);
      value.resize(static_cast<size_t>(size));
      const ssize_t got = ::getxattr(path.c_str(), name.c_str(), value.data(), value.size());
      if (got >= 0) {
        value.resize(static_cast<size_t>(got));
        break;
      }
      if (errno != ERANGE) ThrowErrno(errno, path);
    }
    attributes.emplace_back(std::move(name), std::move(value));
  }
  return attributes;
}

bool WriteAttributes(int fd, const std::vector<Attribute>& attributes) {
  for (const auto& [name, value] : attributes) {
    if (::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) != 0) return false;
  }
  return true;
}

// A new, empty file in a folder, removed again unless it takes a file's place.
class NewFile {
 public:
  // Locked while it lives, so that RemoveStaleStaging leaves it alone.
  NewFile(dbf::FileSystem& files, const std::string& folder)
      : files_(files), path_(folder + "/" + kStagingPrefix + "XXXXXX") {
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    if (fd_ >= 0) ::flock(fd_, LOCK_EX);
  }
  ~NewFile() { Discard(); }
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  bool Made() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }

  void Discard() {
    if (fd_ < 0) return;
    ::close(fd_);
    files_.Unlink(path_);
    fd_ = -1;
  }

  // The complete file's digest, read through a descriptor of its own: on a
  // thread of its own while the file goes to the disk, or, for a small file
  // (the version index), when asked, as a thread would cost more than that.
  std::future<std::optional<FileDigest>> DigestAside() const {
    struct stat st {};
    const bool small = ::fstat(fd_, &st) == 0 && st.st_size < kDigestAsideFrom;
    return std::async(small ? std::launch::deferred : std::launch::async,
                      [fd = OwnedFd(::dup(fd_))] { return FileDigest::OfOpen(fd.get()); });
  }

  // Puts the complete file in the target's place, its contents on the disk
  // first: a rename that reaches the disk before them could leave an empty
  // or partial file after a crash.
  void Replace(const std::string& target) {
    Sync(target);
    TakePlace(target);
  }
  void Sync(const std::string& target) {
    if (files_.Fsync(fd_) != 0) ThrowErrno(errno, target);
  }
  void TakePlace(const std::string& target) {
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 || files_.Rename(path_, target) != 0) {
      const int err = errno;
      files_.Unlink(path_);
      ThrowErrno(err, target);
    }
  }

 private:
  dbf::FileSystem& files_;
  std::string path_;
  int fd_ = -1;
};

// Rewrites the file where it stands, for files no new file can replace. The
// new contents are first written whole into a staged file, so that a full
// disk shows before the file is touched; its present contents are kept in a
// copy; it is given room for its new size before a byte of it changes; and
// when copying the new contents in fails, the kept copy is put back. The
// change is announced once the new contents are complete, and the write's
// beginning and end around the copying in.
RewriteWay RewriteInPlace(FileServices& services, const std::string& path, const std::string& target,
                          const FileRewrite& rewrite) {
  dbf::FileSystem& files = services.Files();
  const std::string folder = StagingFolder();
  NewFile staged(files, folder);
  NewFile kept(files, folder);
  if (!staged.Made() || !kept.Made()) ThrowErrno(errno, folder);
  rewrite.writeNew(staged.path());
  services.AnnounceChange(path);
  const OwnedFd fd(::open(target.c_str(), O_RDWR | O_CLOEXEC));
  struct stat old {};
  struct stat fresh {};
  if (fd.get() < 0 || ::fstat(fd.get(), &old) != 0 || ::fstat(staged.fd(), &fresh) != 0) ThrowErrno(errno, target);
  CopyAll(files, fd.get(), kept.fd(), kept.path());
  if (fresh.st_size > old.st_size && ::fallocate(fd.get(), FALLOC_FL_KEEP_SIZE, 0, fresh.st_size) != 0 &&
      errno != EOPNOTSUPP) {
    ThrowErrno(errno, target);
  }
  services.Tell(&ChangeWatcher::WriteBegins, path);
  try {
    CopyAll(files, staged.fd(), fd.get(), target);
    if (files.Ftruncate(fd.get(), fresh.st_size) != 0 || files.Fsync(fd.get()) != 0) ThrowErrno(errno, target);
  } catch (...) {
    try {
      CopyAll(files, kept.fd(), fd.get(), target);
      if (files.Ftruncate(fd.get(), old.st_size) == 0 && files.Fsync(fd.get()) == 0) {
        services.Tell(&ChangeWatcher::WriteEnded, path);
      }
    } catch (...) {
      // The failure being handled is the one told.
    }
    throw;
  }
  services.Tell(&ChangeWatcher::WriteEnded, path);
  return RewriteWay::InPlace;
}

// The name-only way: a new file in the name's folder takes the name.
RewriteWay ReplaceName(dbf::FileSystem& files, const std::string& path, const FileRewrite& rewrite) {
  const std::string folder = FolderOf(path);
  RemoveStaleStaging(files, folder);
  NewFile file(files, folder);
  if (!file.Made()) ThrowErrno(errno, path);
  rewrite.writeNew(file.path());
  if (::fchmod(file.fd(), NewFileMode(rewrite.newMode)) != 0) ThrowErrno(errno, path);
  file.Replace(path);
  return RewriteWay::NewFile;
}

RewriteWay Rewrite(FileServices& services, const std::string& path, const FileRewrite& rewrite) {
  dbf::FileSystem& files = services.Files();
  if (rewrite.nameOnly) return ReplaceName(files, path, rewrite);
  const std::string target = ResolvedTarget(path);
  RemoveStaleStaging(files, FolderOf(target));
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  // A file that may not be written stays as it is, as rewriting it in place
  // would leave it; replacing it through its folder would get round that.
  if (exists && ::access(target.c_str(), W_OK) != 0) ThrowErrno(errno, target);
  const auto inPlace = [&] { return RewriteInPlace(services, path, target, rewrite); };
  if (exists && st.st_nlink > 1) return inPlace();
  const std::vector<Attribute> attributes = exists ? ReadAttributes(target) : std::vector<Attribute>();

  NewFile file(files, FolderOf(target));
  if (!file.Made()) {
    if (errno == EACCES || errno == EPERM) return inPlace();
    ThrowErrno(errno, target);
  }
  if (exists && files.Fchown(file.fd(), st.st_uid, st.st_gid) != 0) {
    file.Discard();
    return inPlace();
  }
  rewrite.writeNew(file.path());
  if (!WriteAttributes(file.fd(), attributes)) {
    file.Discard();
    return inPlace();
  }
  // Last, as changing the owner may have cleared the set-id bits.
  if (::fchmod(file.fd(), exists ? (st.st_mode & 07777) : NewFileMode(rewrite.newMode)) != 0) ThrowErrno(errno, target);
  std::future<std::optional<FileDigest>> digest = file.DigestAside();
  file.Sync(target);
  const std::optional<FileDigest> made = digest.get();
  services.Replacing(file.path(), made);
  if (exists) services.Tell(&ChangeWatcher::BeforeReplace, path);
  try {
    file.TakePlace(target);
  } catch (...) {
    if (exists) services.Tell(&ChangeWatcher::ReplaceFailed, path);
    throw;
  }
  if (made) services.Replaced(target, *made);
  return RewriteWay::NewFile;
}

// Writes `bytes` back at the start of the file and cuts it to `size`. Its
// own failures are dropped: the failure that called for it is the one told.
// True when every byte went back and the size is the old one.
bool PutBack(dbf::FileSystem& files, int fd, const std::string& bytes, int64_t size) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = files.Pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  return files.Ftruncate(fd, static_cast<off_t>(size)) == 0 && done == bytes.size();
}

// Reads up to `size` bytes from the start of the file.
std::string ReadStart(int fd, int64_t size, const std::string& path) {
  std::string bytes(static_cast<size_t>(size), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowErrno(errno, path);
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}


}  // namespace

RewriteWay ReplaceFileContents(FileServices& services, const std::string& path, const FileRewrite& rewrite) {
  try {
    return Rewrite(services, path, rewrite);
  } catch (...) {
    RethrowNamingFile(path);
  }
}

void KeepOnFailure(FileServices& services, const std::string& path, int64_t keep,
                   const std::function<void()>& change) {
  services.AnnounceChange(path);
  const OwnedFd fd(::open(path.c_str(), O_RDWR | O_CLOEXEC));
  struct stat st {};
  const bool kept = fd.get() >= 0 && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode);
  const std::string before = kept ? ReadStart(fd.get(), std::min<int64_t>(keep, st.st_size), path) : "";
  services.Tell(&ChangeWatcher::WriteBegins, path);
  try {
    change();
  } catch (...) {
    // A file whose every byte is back as it was gets its times back too:
    // to other programs it is the file it was.
    if (kept && PutBack(services.Files(), fd.get(), before, st.st_size) && static_cast<int64_t>(before.size()) == st.st_size) {
      const timespec times[2] = {st.st_atim, st.st_mtim};
      ::futimens(fd.get(), times);
    }
    RethrowNamingFile(path);
  }
  services.Tell(&ChangeWatcher::WriteEnded, path);
}

void WriteNewFile(FileServices& services, const std::string& path,
                  const std::function<void(const std::string& path)>& write) {
  RefuseLinkAt(path);
  struct stat st {};
  // Only a name known to be free is removed again.
  const bool wasFree = ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
  try {
    write(path);
  } catch (...) {
    if (wasFree) services.Files().Unlink(path);  // a failure here is not told over the first
    RethrowNamingFile(path);
  }
}

std::string StagingFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder && *folder ? folder : "/tmp";
}

void RemoveStaleStaging(dbf::FileSystem& files, const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  std::vector<std::string> stale;
  const time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (!name.starts_with(kStagingPrefix)) continue;
    const std::string path = folder + "/" + name;
    const OwnedFd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid() ||
        now - st.st_mtime < kStaleSeconds || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
      continue;
    }
    stale.push_back(path);
  }
  ::closedir(dir);
  for (const std::string& path : stale) files.Unlink(path);
}

void CopyAll(dbf::FileSystem& files, int from, int to, const std::string& path) {
  std::vector<char> block(1 << 20);
  for (off_t at = 0;;) {
    const ssize_t got = ::pread(from, block.data(), block.size(), at);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowErrno(errno, path);
    if (got == 0) return;
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = files.Pwrite(to, block.data() + done, static_cast<size_t>(got - done), at + done);
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) ThrowErrno(put < 0 ? errno : EIO, path);
      done += put;
    }
    at += got;
  }
}

}  // namespace ui
