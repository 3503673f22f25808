#include "write_all.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace ui {

OwnedFd::~OwnedFd() {
  if (fd_ >= 0) ::close(fd_);
}

OwnedFd& OwnedFd::operator=(OwnedFd&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

void OwnedFd::Close(const std::string& path) {
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throw std::system_error(errno, std::generic_category(), path);
}

int WriteAll(dbf::FileSystem& files, int fd, std::string_view bytes, size_t& written) {
  written = 0;
  while (written < bytes.size()) {
    const ssize_t n = files.Write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    written += static_cast<size_t>(n);
  }
  return 0;
}

}  // namespace ui
