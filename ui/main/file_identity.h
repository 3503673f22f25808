// A file's identity on this machine: its device and inode. Two names lead to
// the same file, whatever their spelling or links, exactly when their
// identities are equal.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;

  bool operator==(const FileIdentity&) const = default;

  // The identity of the file the name leads to, links followed; nothing when
  // there is no such file.
  static std::optional<FileIdentity> Of(const std::string& path);
};

