// File descriptors: one owned and closed when it goes, and a whole block
// written to one, resuming short writes.
#pragma once

#include "dbf_file_system.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace ui {

class OwnedFd {
 public:
  OwnedFd() = default;
  explicit OwnedFd(int fd) : fd_(fd) {}
  ~OwnedFd();
  OwnedFd(OwnedFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  OwnedFd& operator=(OwnedFd&& other) noexcept;
  int get() const { return fd_; }
  // Closes now so that a failing close is seen (delayed write errors);
  // throws std::system_error naming `path`.
  void Close(const std::string& path);

 private:
  int fd_ = -1;
};

// Writes every byte through `files`; returns 0, or the system's error
// number after `written` bytes went out.
int WriteAll(dbf::FileSystem& files, int fd, std::string_view bytes, size_t& written);

}  // namespace ui
