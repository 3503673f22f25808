#include "exchange_folder.h"

#include "office_automation.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace office {

std::string ReserveFreshFile(const std::string& folder, const std::string& stem, const std::string& extension) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) throw AutomationError(folder + ": " + ec.message());
  for (int number = 1;; ++number) {
    const std::string path = folder + "/" + stem + "-" + std::to_string(number) + extension;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
      ::close(fd);
      return path;
    }
    if (errno != EEXIST) throw AutomationError(path + ": " + std::strerror(errno));
  }
}

}  // namespace office
