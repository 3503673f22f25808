#include "process_limits.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace testsupport {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &old_);
  oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_;
  small.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &small);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &old_);
  std::signal(SIGXFSZ, oldHandler_);
}

bool OnlyTooLarge(const std::vector<std::string>& messages) {
  return !messages.empty() && std::all_of(messages.begin(), messages.end(), [](const std::string& message) {
    return message.find(std::strerror(EFBIG)) != std::string::npos;
  });
}

int RunAsOtherUser(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    if (setgid(kOtherUser) != 0 || setuid(kOtherUser) != 0) _exit(255);
    _exit(body());
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status) == 255 ? -1 : WEXITSTATUS(status);
}

}  // namespace testsupport
