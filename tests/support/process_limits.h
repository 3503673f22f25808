// Conditions a test puts a write under: a file size limit, as a full disk
// would set, and another user, for whom permissions bind as they do for
// people running the program.
#pragma once

#include <sys/resource.h>
#include <sys/types.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// While the object lives, writes of this process past `bytes` into any file
// fail with EFBIG (the signal the kernel would send is ignored).
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

// True when the messages are errors of writes past the limit (the system's
// text for EFBIG) and nothing else, success included: the command's own, and
// the copy kept for undoing it, which meets the limit too.
bool OnlyTooLarge(const std::vector<std::string>& messages);

// The user id tests switch to: nobody.
constexpr uid_t kOtherUser = 65534;

// Skips the test when it does not run as root: only root gives a file to
// another user.
#define SKIP_UNLESS_ROOT() \
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to give a file to another user"

// Runs `body` in a child process under kOtherUser and returns its result, or
// -1 when the child could not switch users or did not end normally.
int RunAsOtherUser(const std::function<int()>& body);

}  // namespace testsupport
