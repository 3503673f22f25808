#include "safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>
#include <utility>
#include <vector>

namespace ui {

namespace {

[[noreturn]] void ThrowErrno(int err, const std::string& path) {
  throw std::system_error(err, std::generic_category(), path);
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

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
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
  explicit NewFile(const std::string& folder) : path_(folder + "/.dbfview-save-XXXXXX") {
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
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
    ::unlink(path_.c_str());
    fd_ = -1;
  }

  // Puts the complete file in the target's place.
  void Replace(const std::string& target) {
    if (::fsync(fd_) != 0) ThrowErrno(errno, target);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 || ::rename(path_.c_str(), target.c_str()) != 0) {
      const int err = errno;
      ::unlink(path_.c_str());
      ThrowErrno(err, target);
    }
  }

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace

RewriteWay ReplaceFileContents(const std::string& path, const FileRewrite& rewrite) {
  const std::string target = ResolvedTarget(path);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  // A file that may not be written stays as it is, as rewriting it in place
  // would leave it; replacing it through its folder would get round that.
  if (exists && ::access(target.c_str(), W_OK) != 0) ThrowErrno(errno, target);
  const auto inPlace = [&] {
    rewrite.writeInPlace(target);
    return RewriteWay::InPlace;
  };
  if (exists && st.st_nlink > 1) return inPlace();
  const std::vector<Attribute> attributes = exists ? ReadAttributes(target) : std::vector<Attribute>();

  NewFile file(FolderOf(target));
  if (!file.Made()) {
    if (errno == EACCES || errno == EPERM) return inPlace();
    ThrowErrno(errno, FolderOf(target));
  }
  if (exists && rewrite.changeOwner(file.fd(), st.st_uid, st.st_gid) != 0) {
    file.Discard();
    return inPlace();
  }
  rewrite.writeNew(file.path());
  if (!WriteAttributes(file.fd(), attributes)) {
    file.Discard();
    return inPlace();
  }
  // Last, as changing the owner may have cleared the set-id bits.
  if (::fchmod(file.fd(), exists ? (st.st_mode & 07777) : NewFileMode()) != 0) ThrowErrno(errno, file.path());
  file.Replace(target);
  return RewriteWay::NewFile;
}

}  // namespace ui
