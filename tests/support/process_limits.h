// A write under a file size limit, as a full disk sets, or by another user, whom permissions bind.
#pragma once

#include <sys/resource.h>
#include <sys/types.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// While the object lives, this process's writes past `bytes` into any file fail with EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit old_ {};
  void (*oldHandler_)(int) = SIG_DFL;
};

// True when the messages are only errors of writes past the limit (undo's copy meets it too).
bool OnlyTooLarge(const std::vector<std::string>& messages);

// The user id tests switch to: nobody.
constexpr uid_t kOtherUser = 65534;

// Only root gives a file to another user.
#define SKIP_UNLESS_ROOT() \
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to give a file to another user"

// `body`'s result in a child process under kOtherUser; -1 when that failed.
int RunAsOtherUser(const std::function<int()>& body);

}  // namespace testsupport
