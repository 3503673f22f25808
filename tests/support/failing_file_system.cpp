#include "failing_file_system.h"

#include <sys/stat.h>

#include <cerrno>

namespace testsupport {

namespace {

ino_t InodeOf(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 ? st.st_ino : 0;
}

ino_t InodeOf(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

dbf::FileSystem& Next() { return dbf::SystemFileSystem(); }

}  // namespace

FailingFileSystem::FailingFileSystem(std::optional<Call> failing, int nth, int error) { Arm(failing, nth, error); }

void FailingFileSystem::Arm(std::optional<Call> failing, int nth, int error) {
  failing_ = failing;
  nth_ = nth;
  error_ = error;
  seen_ = 0;
  failed_ = false;
  calls.clear();
}

bool FailingFileSystem::Fails(Call call, ino_t file) {
  calls.push_back({call, file});
  if (call != failing_ || ++seen_ != nth_) return false;
  failed_ = true;
  errno = error_;
  return true;
}

ssize_t FailingFileSystem::Write(int fd, const void* data, size_t size) {
  return Fails(Call::Write, InodeOf(fd)) ? -1 : Next().Write(fd, data, size);
}

ssize_t FailingFileSystem::Pwrite(int fd, const void* data, size_t size, off_t offset) {
  return Fails(Call::Pwrite, InodeOf(fd)) ? -1 : Next().Pwrite(fd, data, size, offset);
}

ssize_t FailingFileSystem::CopyFileRange(int in, off_t* inAt, int out, off_t* outAt, size_t size) {
  return Fails(Call::CopyFileRange, InodeOf(out)) ? -1 : Next().CopyFileRange(in, inAt, out, outAt, size);
}

int FailingFileSystem::Fsync(int fd) { return Fails(Call::Fsync, InodeOf(fd)) ? -1 : Next().Fsync(fd); }

int FailingFileSystem::Ftruncate(int fd, off_t size) {
  return Fails(Call::Ftruncate, InodeOf(fd)) ? -1 : Next().Ftruncate(fd, size);
}

int FailingFileSystem::Fchown(int fd, uid_t owner, gid_t group) {
  return Fails(Call::Fchown, InodeOf(fd)) ? -1 : Next().Fchown(fd, owner, group);
}

int FailingFileSystem::Rename(const std::string& from, const std::string& to) {
  return Fails(Call::Rename, InodeOf(from)) ? -1 : Next().Rename(from, to);
}

int FailingFileSystem::Unlink(const std::string& path) {
  return Fails(Call::Unlink, InodeOf(path)) ? -1 : Next().Unlink(path);
}

}  // namespace testsupport
