#include "dbf_file.h"

#include "dbf_errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dbf {
namespace {

// Reads this large or larger bypass the window. The window starts small and
// doubles while reads run forward through the file, so a walk over all
// records costs few system calls and a jump to one record costs one small read.
constexpr size_t kDirectRead = 64 << 10;
constexpr size_t kMinWindow = 4 << 10;
constexpr size_t kMaxWindow = 1 << 20;
// A large write asks the disk to start on what is written every this many
// bytes, so that the sync ending it waits for the last part only.
constexpr size_t kWriteBehind = 16 << 20;

// Bumped by every write or truncate of any TableFile in the process.
uint64_t g_generation = 1;

// The TableFile whose held writes are waiting, if any, and how many bytes
// it gathers before writing them.
TableFile* g_holder = nullptr;
constexpr size_t kMaxHeld = 1 << 20;

}  // namespace

TableFile::~TableFile() {
  try {
    Close();
  } catch (const IoError&) {
    // Only while a failure is already on its way: whoever closes a file
    // normally calls Close and hears of it.
  }
}

bool TableFile::Open(const std::string& path) { return OpenRegular(path, O_RDWR); }

bool TableFile::OpenForReading(const std::string& path) { return OpenRegular(path, O_RDONLY); }

bool TableFile::OpenRegular(const std::string& path, int flags) {
  Close();
  // Without waiting: the open of a FIFO would wait for a writer.
  int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fd_ = fd;
  path_ = path;
  written_ = false;
  Invalidate();
  return true;
}

void TableFile::Create(const std::string& path) {
  Close();
  ReleaseHeld();  // held bytes may be for the file about to be emptied
  // Never through a link: one planted under the name would make this
  // create or empty the file it points to.
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  path_ = path;
  if (fd < 0) Fail("create");
  fd_ = fd;
  // An existing file is emptied through the file system, as every write is.
  struct stat st {};
  if (::fstat(fd, &st) != 0 || (st.st_size > 0 && files_->Ftruncate(fd, 0) != 0)) {
    const int err = errno;
    CloseHandle();
    errno = err;
    Fail("create");
  }
  written_ = true;
  ++g_generation;
  Invalidate();
}

void TableFile::Close() {
  if (g_holder == this) {
    try {
      ReleaseHeld();
    } catch (...) {
      CloseHandle();
      throw;
    }
  }
  CloseHandle();
}

void TableFile::CloseHandle() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  Invalidate();
}

void TableFile::ReleaseHeld() {
  TableFile* holder = std::exchange(g_holder, nullptr);
  if (!holder) return;
  ++g_generation;
  try {
    holder->WriteOut(holder->heldStart_, holder->held_.data(), holder->held_.size());
  } catch (...) {
    holder->held_.clear();
    throw;
  }
  holder->held_.clear();
}

void TableFile::Invalidate() {
  windowGeneration_ = 0;
  sizeGeneration_ = 0;
}

bool TableFile::CacheValid() const { return windowGeneration_ == g_generation; }

int64_t TableFile::Size() {
  if (g_holder != this) ReleaseHeld();
  if (sizeGeneration_ != g_generation) {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) Fail("stat");
    size_ = st.st_size;
    sizeGeneration_ = g_generation;
  }
  // Held bytes leave the file on disk as it is; the size is the one they make.
  if (g_holder == this) return std::max(size_, heldStart_ + static_cast<int64_t>(held_.size()));
  return size_;
}

size_t TableFile::ReadSome(int64_t pos, void* dst, size_t n) {
  ReleaseHeld();
  if (pos < 0 || n == 0) return 0;
  auto* out = static_cast<char*>(dst);
  if (n >= kDirectRead) return ReadDirect(pos, out, n);
  bool inside = CacheValid() && pos >= windowStart_ &&
                pos + static_cast<int64_t>(n) <= windowStart_ + static_cast<int64_t>(window_.size());
  if (!inside) {
    bool forward = CacheValid() && pos >= windowStart_ &&
                   pos <= windowStart_ + static_cast<int64_t>(window_.size() + kMinWindow);
    windowSize_ = forward ? std::min(windowSize_ * 2, kMaxWindow) : kMinWindow;
    size_t want = std::max(windowSize_, n);
    window_.resize(want);
    windowGeneration_ = 0;  // a failing read leaves no window behind
    size_t filled = ReadDirect(pos, window_.data(), want);
    window_.resize(filled);
    windowStart_ = pos;
    windowGeneration_ = g_generation;
  }
  int64_t from = pos - windowStart_;
  size_t available = window_.size() - static_cast<size_t>(from);
  size_t take = n < available ? n : available;
  std::memcpy(out, window_.data() + from, take);
  return take;
}

size_t TableFile::ReadDirect(int64_t pos, char* out, size_t n) {
  size_t done = 0;
  while (done < n) {
    ssize_t got = ::pread(fd_, out + done, n - done, pos + static_cast<int64_t>(done));
    if (got < 0) {
      if (errno == EINTR) continue;
      Fail("read");
    }
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

void TableFile::ReadDirectAt(int64_t pos, void* dst, size_t n) {
  ReleaseHeld();
  if (pos < 0 || ReadDirect(pos, static_cast<char*>(dst), n) != n) {
    throw IoError(EIO, "read beyond end of file " + path_);
  }
}

void TableFile::ReadAt(int64_t pos, void* dst, size_t n) {
  if (ReadSome(pos, dst, n) != n) throw IoError(EIO, "read beyond end of file " + path_);
}

void TableFile::WriteAt(int64_t pos, const void* src, size_t n) {
  const auto at = static_cast<size_t>(pos - heldStart_);
  if (g_holder == this && pos >= heldStart_ && at + n <= held_.size()) {
    std::memcpy(held_.data() + at, src, n);  // inside the held bytes: they change there
    return;
  }
  ReleaseHeld();
  ++g_generation;
  written_ = true;
  WriteOut(pos, static_cast<const char*>(src), n);
}

void TableFile::WriteHeld(int64_t pos, const void* src, size_t n) {
  written_ = true;
  if (g_holder != this || pos < heldStart_ || pos > heldStart_ + static_cast<int64_t>(held_.size())) {
    ReleaseHeld();
    heldStart_ = pos;
    g_holder = this;
  }
  const auto at = static_cast<size_t>(pos - heldStart_);
  if (held_.size() < at + n) held_.resize(at + n);
  std::memcpy(held_.data() + at, src, n);
  if (held_.size() >= kMaxHeld) ReleaseHeld();
}

void TableFile::WriteOut(int64_t pos, const char* in, size_t n) {
  size_t done = 0;
  while (done < n) {
    ssize_t put = files_->Pwrite(fd_, in + done, n - done, pos + static_cast<int64_t>(done));
    if (put < 0) {
      if (errno == EINTR) continue;
      Fail("write");
    }
    done += static_cast<size_t>(put);
  }
  WroteOut(n);
}

// A hint to the system, changing no byte: its failure is none of the write's.
void TableFile::WroteOut(size_t n) {
  notStarted_ += n;
  if (notStarted_ < kWriteBehind) return;
  notStarted_ = 0;
  ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
}

void TableFile::Truncate(int64_t size) {
  ReleaseHeld();
  ++g_generation;
  written_ = true;
  if (files_->Ftruncate(fd_, size) != 0) Fail("truncate");
}

size_t TableFile::CopyInto(TableFile& target, int64_t pos, size_t n) {
  ReleaseHeld();
  ++g_generation;
  target.written_ = true;
  off_t from = pos;
  off_t to = pos;
  size_t done = 0;
  while (done < n) {
    const ssize_t copied = target.files_->CopyFileRange(fd_, &from, target.fd_, &to, std::min(n - done, kWriteBehind));
    if (copied < 0) {
      if (errno == EINTR) continue;
      // File systems that cannot copy between these files: through memory.
      if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) break;
      Fail("copy");
    }
    if (copied == 0) return done;
    done += static_cast<size_t>(copied);
    target.WroteOut(static_cast<size_t>(copied));
  }
  if (done == n) return done;
  std::vector<char> block(n - done);
  const size_t got = ReadDirect(pos + static_cast<int64_t>(done), block.data(), block.size());
  target.WriteAt(pos + static_cast<int64_t>(done), block.data(), got);
  return done + got;
}

void TableFile::Fail(const char* operation) const {
  const int err = errno;
  throw IoError(err, std::string(operation) + " " + path_);
}

bool TableFile::SameFile(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace dbf
