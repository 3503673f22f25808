// An unnamed scratch file in a given folder, written through a buffer (and
// the file system it is handed) and read back at any position; it is gone
// when the object goes.
#pragma once

#include "dbf_file_system.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace office {

class SpoolFile {
 public:
  // Throws AutomationError with the system's text when the file cannot be
  // made; failures name the file as it was made, before its name went.
  SpoolFile(dbf::FileSystem& files, const std::string& folder, const std::string& stem);
  ~SpoolFile();
  SpoolFile(const SpoolFile&) = delete;
  SpoolFile& operator=(const SpoolFile&) = delete;

  void Append(std::string_view bytes);
  // Writes the buffer out; throws AutomationError when the file cannot be written.
  void Flush();
  // Bytes appended so far, buffered ones included.
  int64_t Size() const { return written_ + static_cast<int64_t>(buffer_.size()); }
  // Reads up to `size` bytes at `pos` of what was flushed; returns the count.
  size_t ReadAt(int64_t pos, char* into, size_t size) const;
  int Descriptor() const { return fd_; }

 private:
  dbf::FileSystem& files_;
  std::string path_;
  int fd_ = -1;
  std::string buffer_;
  int64_t written_ = 0;
};

}  // namespace office
