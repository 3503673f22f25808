#include "exchange_folder.h"

#include "office_automation.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace office {

void PrepareExchangeFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) throw AutomationError(folder + ": " + ec.message());
}

int CreateFreshFile(const std::string& folder, const std::string& stem, const std::string& extension, mode_t mode,
                    std::string& path) {
  for (int number = 1;; ++number) {
    path = folder + "/" + stem + "-" + std::to_string(number) + extension;
    // O_EXCL never follows a link: a link planted under the name counts as taken.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
}

std::string ReserveFreshFile(const std::string& folder, const std::string& stem, const std::string& extension) {
  PrepareExchangeFolder(folder);
  std::string path;
  const int fd = CreateFreshFile(folder, stem, extension, 0644, path);
  if (fd < 0) throw AutomationError(path + ": " + std::strerror(errno));
  ::close(fd);
  return path;
}

}  // namespace office
