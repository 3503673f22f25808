// The system's file system, noting each call and its file, but the `nth` call (from 1) of the
// kind armed fails with the error armed; as a command's `services` it fails any of its writes.
#pragma once

#include "file_services.h"

#include <sys/types.h>

#include <cerrno>

#include <optional>
#include <string>
#include <vector>

namespace testsupport {

enum class Call { Write, Pwrite, CopyFileRange, Fsync, Ftruncate, Fchown, Rename, Unlink };

class FailingFileSystem final : public dbf::FileSystem {
 public:
  struct Made {
    Call call;
    ino_t file;
    bool operator==(const Made&) const = default;
  };

  // Fails nothing when `failing` is none.
  explicit FailingFileSystem(std::optional<Call> failing = std::nullopt, int nth = 1, int error = EIO);

  // Fails the `nth` call of the kind from now on, and forgets the calls made.
  void Arm(std::optional<Call> failing, int nth, int error);
  // Whether the armed call was made (and failed).
  bool Failed() const { return failed_; }

  ssize_t Write(int fd, const void* data, size_t size) override;
  ssize_t Pwrite(int fd, const void* data, size_t size, off_t offset) override;
  ssize_t CopyFileRange(int in, off_t* inAt, int out, off_t* outAt, size_t size) override;
  int Fsync(int fd) override;
  int Ftruncate(int fd, off_t size) override;
  int Fchown(int fd, uid_t owner, gid_t group) override;
  int Rename(const std::string& from, const std::string& to) override;
  int Unlink(const std::string& path) override;

  std::vector<Made> calls;
  ui::FileServices services{*this};

 private:
  bool Fails(Call call, ino_t file);

  std::optional<Call> failing_;
  int nth_ = 0;
  int error_ = 0;
  int seen_ = 0;
  bool failed_ = false;
};

}  // namespace testsupport
