// A file system for tests that passes every call on to the one it replaces,
// except that the calls of one kind fail with EIO; installed while it lives.
#pragma once

#include "safe_write.h"

#include <cerrno>
#include <string>

namespace testsupport {

enum class Fail { Fsync, Rename };

class FailingFiles final : public ui::FileSystem {
 public:
  explicit FailingFiles(Fail failing) : failing_(failing) {}
  ssize_t Pwrite(int fd, const void* data, size_t size, off_t at) override { return Next().Pwrite(fd, data, size, at); }
  int Fsync(int fd) override { return failing_ == Fail::Fsync ? Failed() : Next().Fsync(fd); }
  int Ftruncate(int fd, off_t size) override { return Next().Ftruncate(fd, size); }
  int Fchown(int fd, uid_t owner, gid_t group) override { return Next().Fchown(fd, owner, group); }
  int Rename(const std::string& from, const std::string& to) override {
    return failing_ == Fail::Rename ? Failed() : Next().Rename(from, to);
  }
  int Unlink(const std::string& path) override { return Next().Unlink(path); }

 private:
  static int Failed() {
    errno = EIO;
    return -1;
  }
  ui::FileSystem& Next() const { return install_.Previous(); }
  Fail failing_;
  ui::FileSystemOverride install_{*this};
};

}  // namespace testsupport
