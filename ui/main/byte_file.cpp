#include "byte_file.h"

#include "dbf_errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

[[noreturn]] void Fail(const char* what) { throw dbf::IoError(errno, what); }

}  // namespace

ByteFile::~ByteFile() { Close(); }

bool ByteFile::Open(const std::string& path, Access access) {
  Close();
  const int fd = ::open(path.c_str(), (access == Access::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void ByteFile::Create(const std::string& path) {
  Close();
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) Fail("create");
}

void ByteFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

int64_t ByteFile::Size() const {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) Fail("stat");
  return st.st_size;
}

size_t ByteFile::ReadAt(int64_t pos, void* dst, size_t n) const {
  auto* out = static_cast<char*>(dst);
  size_t done = 0;
  while (done < n) {
    const ssize_t got = ::pread(fd_, out + done, n - done, pos + static_cast<int64_t>(done));
    if (got < 0) {
      if (errno == EINTR) continue;
      Fail("read");
    }
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

void ByteFile::WriteAt(int64_t pos, const void* src, size_t n) {
  const auto* in = static_cast<const char*>(src);
  size_t done = 0;
  while (done < n) {
    const ssize_t put = ::pwrite(fd_, in + done, n - done, pos + static_cast<int64_t>(done));
    if (put < 0) {
      if (errno == EINTR) continue;
      Fail("write");
    }
    if (put == 0) {
      errno = EIO;
      Fail("write");
    }
    done += static_cast<size_t>(put);
  }
}

void ByteFile::Truncate(int64_t size) {
  if (::ftruncate(fd_, size) != 0) Fail("truncate");
}

size_t ByteFile::CopyInto(ByteFile& target, int64_t pos, size_t n) const {
  loff_t from = pos;
  loff_t to = pos;
  size_t done = 0;
  while (done < n) {
    const ssize_t copied = ::copy_file_range(fd_, &from, target.fd_, &to, n - done, 0);
    if (copied < 0) {
      if (errno == EINTR) continue;
      // File systems that cannot copy between these files: through memory.
      if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) break;
      Fail("copy");
    }
    if (copied == 0) return done;
    done += static_cast<size_t>(copied);
  }
  if (done == n) return done;
  std::vector<char> block(n - done);
  const size_t got = ReadAt(pos + static_cast<int64_t>(done), block.data(), block.size());
  target.WriteAt(pos + static_cast<int64_t>(done), block.data(), got);
  return done + got;
}
