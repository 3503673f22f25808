#include "dbf_file_system.h"

#include <cstdio>
#include <unistd.h>

namespace dbf {
namespace {

class SystemCalls final : public FileSystem {
 public:
  ssize_t Write(int fd, const void* data, size_t size) override { return ::write(fd, data, size); }
  ssize_t Pwrite(int fd, const void* data, size_t size, off_t offset) override {
    return ::pwrite(fd, data, size, offset);
  }
  ssize_t CopyFileRange(int in, off_t* inAt, int out, off_t* outAt, size_t size) override {
    return ::copy_file_range(in, inAt, out, outAt, size, 0);
  }
  int Fsync(int fd) override { return ::fsync(fd); }
  int Ftruncate(int fd, off_t size) override { return ::ftruncate(fd, size); }
  int Fchown(int fd, uid_t owner, gid_t group) override { return ::fchown(fd, owner, group); }
  int Rename(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str());
  }
  int Unlink(const std::string& path) override { return ::unlink(path.c_str()); }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static SystemCalls calls;
  return calls;
}

}  // namespace dbf
