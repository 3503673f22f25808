#include "file_identity.h"

#include <sys/stat.h>

std::optional<FileIdentity> FileIdentity::Of(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return FileIdentity{st.st_dev, st.st_ino};
}
