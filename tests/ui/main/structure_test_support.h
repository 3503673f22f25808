// What the tests of the structure commands share: tables without records,
// reading a file's header fields, and a file size limit that makes writes
// fail part way, as a full disk would.
#pragma once

#include "table_bytes.h"

#include <csignal>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace structuretest {

// A table with the fields and no records.
inline std::string EmptyTable(const std::vector<testsupport::FieldSpec>& fields) {
  testsupport::TableLayout layout;
  layout.fields = fields;
  return testsupport::TableBytes(layout);
}

inline void SetHeaderSize(std::string& bytes, size_t size) {
  bytes[8] = static_cast<char>(size & 0xFF);
  bytes[9] = static_cast<char>(size >> 8);
}

// The 32-byte descriptor of field `index` (from 0).
inline std::string Descriptor(const std::string& bytes, int index) { return bytes.substr(32 + 32 * index, 32); }

inline std::string Padded(const std::string& name) {
  std::string padded = name;
  padded.resize(10, '\0');
  return padded;
}

// While it lives, writes past `bytes` into any file fail with "File too large".
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit old_ {};
  void (*oldHandler_)(int) = nullptr;
};

// True when the messages are the one error of a write past the limit.
inline bool OnlyTooLarge(const std::vector<std::string>& messages) {
  return messages.size() == 1 && messages[0].find(std::strerror(EFBIG)) != std::string::npos;
}

}  // namespace structuretest
