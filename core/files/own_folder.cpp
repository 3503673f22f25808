#include "own_folder.h"

#include "dbf_texts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace ui {

namespace {

constexpr mode_t kFolderMode = 0700;

[[noreturn]] void Fail(const std::string& folder, const std::string& why) {
  throw OwnFolderError(folder + ": " + why);
}

}  // namespace

void PrepareOwnFolder(const std::string& folder) {
  const std::filesystem::path path(folder);
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  if (ec) Fail(path.parent_path().string(), ec.message());
  if (::mkdir(folder.c_str(), kFolderMode) != 0 && errno != EEXIST) Fail(folder, std::strerror(errno));
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ELOOP || errno == ENOTDIR) Fail(folder, dbf::Tr("OwnFolder", "это ссылка или не папка"));
    Fail(folder, std::strerror(errno));
  }
  struct stat st {};
  int error = ::fstat(fd, &st) == 0 ? 0 : errno;
  const bool others = error == 0 && st.st_uid != ::geteuid();
  // A folder made by an earlier version, or by hand, is closed to others.
  if (error == 0 && !others && (st.st_mode & 07777) != kFolderMode && ::fchmod(fd, kFolderMode) != 0) error = errno;
  ::close(fd);
  if (others) Fail(folder, dbf::Tr("OwnFolder", "папка принадлежит другому пользователю"));
  if (error != 0) Fail(folder, std::strerror(error));
}

bool IsOwnFolder(const std::string& folder) {
  struct stat st {};
  return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
         (st.st_mode & 077) == 0;
}

}  // namespace ui
