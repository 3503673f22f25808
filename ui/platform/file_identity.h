// A file's identity on this machine: its device and inode. Two names lead to
// the same file, whatever their spelling or links, exactly when their
// identities are equal.
#pragma once

#include <sys/types.h>

#include <cstdint>
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

// A file's identity with its size and modification time: when a later
// stamp of the same name differs, the file was changed in between.
struct FileStamp {
  FileIdentity identity;
  off_t size = 0;
  int64_t modified = 0;  // nanoseconds since the epoch

  bool operator==(const FileStamp&) const = default;

  static std::optional<FileStamp> Of(const std::string& path);
};

