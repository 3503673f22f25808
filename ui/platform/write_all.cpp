#include "write_all.h"

#include <cerrno>
#include <unistd.h>

namespace ui {

int WriteAll(int fd, std::string_view bytes, size_t& written) {
  written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    written += static_cast<size_t>(n);
  }
  return 0;
}

}  // namespace ui
