// A file's identity on this machine: its device and inode, and when the
// inode was made where the file system keeps that. Two names lead to the
// same file, whatever their spelling or links, exactly when their
// identities are equal; a file made later that got a deleted file's inode
// number back has another birth time.
#pragma once

#include "write_all.h"

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  int64_t born = 0;  // nanoseconds since the epoch; 0 where not kept

  bool operator==(const FileIdentity&) const = default;

  // The identity of the file the name leads to, links followed; nothing when
  // there is no such file.
  static std::optional<FileIdentity> Of(const std::string& path);
};

// Holds the file the name leads to now (nothing when there is none),
// without reading or writing it: while held, no file made meanwhile, even
// after this one is deleted, gets its inode number back and with it the
// look of the same file.
ui::OwnedFd HoldFile(const std::string& path);

// A file's identity with its size, modification time and status change
// time: when a later stamp of the same name differs, the file may have been
// changed in between (or only its time, owner or links: compare the bytes
// to tell). A program can set the modification time back, not the status
// change time.
struct FileStamp {
  FileIdentity identity;
  off_t size = 0;
  int64_t modified = 0;  // nanoseconds since the epoch
  int64_t changed = 0;   // the status change time, likewise

  bool operator==(const FileStamp&) const = default;

  static std::optional<FileStamp> Of(const std::string& path);

  // True when a write right after `taken` (when the stamp was taken,
  // nanoseconds since the epoch) could have left the stamp as it is: the
  // times lie within the tick the file's system keeps them in of it (FAT's
  // two seconds; a tenth of a second where they keep parts of a second).
  // Equal stamps then do not tell that the bytes are equal.
  bool WithinTick(int64_t taken) const;
};

// The system's clock, nanoseconds since the epoch, as file times read.
int64_t FileClockNow();

// A digest of every byte of a regular file, to tell later whether its
// content is still what it was; nothing when it cannot be read.
struct FileDigest {
  uint64_t low = 0;
  uint64_t high = 0;

  bool operator==(const FileDigest&) const = default;

  static std::optional<FileDigest> Of(const std::string& path);
  // The same of a file open for reading, read from its start; the file's
  // offset is left as it was.
  static std::optional<FileDigest> OfOpen(int fd);
};
