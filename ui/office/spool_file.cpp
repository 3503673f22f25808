#include "spool_file.h"

#include "exchange_folder.h"
#include "office_automation.h"
#include "write_all.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace office {

namespace {

constexpr size_t kBufferBytes = 1 << 20;

[[noreturn]] void Fail(const std::string& what, int error) {
  throw AutomationError(what + ": " + std::strerror(error));
}

}  // namespace

SpoolFile::SpoolFile(dbf::FileSystem& files, const std::string& folder, const std::string& stem)
    : files_(files), path_(ReserveFreshFile(folder, stem, ".spool")) {
  fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
  const int openError = errno;
  ::unlink(path_.c_str());
  if (fd_ < 0) Fail(path_, openError);
  buffer_.reserve(kBufferBytes);
}

SpoolFile::~SpoolFile() {
  if (fd_ >= 0) ::close(fd_);
}

void SpoolFile::Append(std::string_view bytes) {
  buffer_.append(bytes);
  if (buffer_.size() >= kBufferBytes) Flush();
}

void SpoolFile::Flush() {
  size_t written = 0;
  const int error = ui::WriteAll(files_, fd_, buffer_, written);
  // What did not go out is dropped, so a later flush does not retry it.
  written_ += static_cast<int64_t>(written);
  buffer_.clear();
  if (error != 0) Fail(path_, error);
}

size_t SpoolFile::ReadAt(int64_t pos, char* into, size_t size) const {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd_, into + done, size - done, pos + static_cast<int64_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(path_, errno);
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

}  // namespace office
