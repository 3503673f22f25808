#include "exchange_folder.h"

#include "office_automation.h"
#include "own_folder.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace office {

namespace {

constexpr mode_t kFileMode = 0600;

[[noreturn]] void Fail(const std::string& path, int error) {
  throw AutomationError(path + ": " + std::strerror(error));
}

}  // namespace

void PrepareExchangeFolder(const std::string& folder) {
  try {
    ui::PrepareOwnFolder(folder);
  } catch (const ui::OwnFolderError& e) {
    throw AutomationError(e.what());
  }
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
  const int fd = CreateFreshFile(folder, stem, extension, kFileMode, path);
  if (fd < 0) Fail(path, errno);
  ::close(fd);
  return path;
}

uint64_t RemoveStaleFiles(const std::string& folder, std::chrono::seconds age) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return 0;
  const std::unique_ptr<DIR, int (*)(DIR*)> entries(::fdopendir(fd), ::closedir);
  struct stat st {};
  if (!entries) {
    ::close(fd);
    return 0;
  }
  if (::fstat(fd, &st) != 0 || st.st_uid != ::geteuid()) return 0;
  uint64_t kept = 0;
  const time_t limit = std::time(nullptr) - static_cast<time_t>(age.count());
  while (const dirent* entry = ::readdir(entries.get())) {
    if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(st.st_mode)) continue;
    if (st.st_mtime >= limit || ::unlinkat(fd, entry->d_name, 0) != 0) kept += static_cast<uint64_t>(st.st_size);
  }
  return kept;
}

}  // namespace office
