// The system calls that change files, behind an interface: every write the
// engine's table handles make, and every write the program's safe writes
// make to finish or undo one, goes through the FileSystem it was handed, so
// that a test can make a chosen call fail. The program hands the same one
// down to every command with the table it works on.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace dbf {

// Each call behaves as the system call it is named after: -1 (or a negative
// count) with errno set on failure.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual ssize_t Write(int fd, const void* data, size_t size) = 0;
  virtual ssize_t Pwrite(int fd, const void* data, size_t size, off_t offset) = 0;
  virtual ssize_t CopyFileRange(int in, off_t* inAt, int out, off_t* outAt, size_t size) = 0;
  virtual int Fsync(int fd) = 0;
  virtual int Ftruncate(int fd, off_t size) = 0;
  virtual int Fchown(int fd, uid_t owner, gid_t group) = 0;
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual int Unlink(const std::string& path) = 0;
};

// The system's own calls. It holds no state: one for the whole process.
FileSystem& SystemFileSystem();

}  // namespace dbf
