// While it lives, writes that would carry any file of the process past the
// given size fail with EFBIG, as on a full disk; the signal such a write
// raises is ignored so that the failure comes back as an error.
#pragma once

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    handler_ = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit old_ {};
  void (*handler_)(int) = SIG_DFL;
};

// The command ended with the system's text for the write that failed, and
// reported nothing else (no success).
inline void ExpectOnlyTheFailedWrite(const std::vector<std::string>& messages) {
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(std::strerror(EFBIG)), std::string::npos) << messages[0];
}
