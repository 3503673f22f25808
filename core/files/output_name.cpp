#include "output_name.h"

#include "dbf_texts.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <stdexcept>

namespace ui {

void RefuseLinkAt(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    throw std::runtime_error(
        dbf::FillText(dbf::Tr("OutputName", "%1: под этим именем стоит ссылка, файл по ней не записывается"),
                      {path}));
  }
}

int CreateNewFile(const std::string& path, mode_t mode) {
  // O_EXCL never follows a link: a link under the name counts as taken.
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

}  // namespace ui
