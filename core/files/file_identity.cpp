#include "file_identity.h"

#define XXH_INLINE_ALL
#include <xxhash.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <ctime>
#include <memory>
#include <unistd.h>

namespace {

constexpr int64_t kSecond = 1000000000;
// The coarsest tick file systems keep times in (FAT's two seconds), and the
// tick of those that keep parts of a second: the system's file clock moves
// in steps of a timer interrupt (a few milliseconds), well within it.
constexpr int64_t kTick = 2 * kSecond;
constexpr int64_t kFineTick = kSecond / 10;

int64_t Nanoseconds(const statx_timestamp& t) { return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; }

std::optional<struct statx> StatOf(const std::string& path) {
  struct statx st {};
  if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &st) != 0) return std::nullopt;
  return st;
}

FileIdentity IdentityOf(const struct statx& st) {
  return {makedev(st.stx_dev_major, st.stx_dev_minor), st.stx_ino,
          (st.stx_mask & STATX_BTIME) ? Nanoseconds(st.stx_btime) : 0};
}

}  // namespace

std::optional<FileIdentity> FileIdentity::Of(const std::string& path) {
  const auto st = StatOf(path);
  if (!st) return std::nullopt;
  return IdentityOf(*st);
}

ui::OwnedFd HoldFile(const std::string& path) { return ui::OwnedFd(::open(path.c_str(), O_PATH | O_CLOEXEC)); }

std::optional<FileStamp> FileStamp::Of(const std::string& path) {
  const auto st = StatOf(path);
  if (!st) return std::nullopt;
  return FileStamp{IdentityOf(*st), static_cast<off_t>(st->stx_size), Nanoseconds(st->stx_mtime),
                   Nanoseconds(st->stx_ctime)};
}

// A modification time with a part of a second tells a file system that
// keeps one (on FAT the status change time may keep one, the modification
// time never does); one that falls on the whole second is taken for coarse.
bool FileStamp::WithinTick(int64_t taken) const {
  const int64_t tick = modified % kSecond != 0 ? kFineTick : kTick;
  return taken - modified < tick || taken - changed < tick;
}

int64_t FileClockNow() {
  timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::optional<FileDigest> FileDigest::Of(const std::string& path) {
  const ui::OwnedFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return std::nullopt;
  return OfOpen(fd.get());
}

std::optional<FileDigest> FileDigest::OfOpen(int fd) {
  const std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state(XXH3_createState(), &XXH3_freeState);
  struct stat st {};
  bool read = state && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && XXH3_128bits_reset(state.get()) == XXH_OK;
  constexpr size_t kBlock = 1 << 20;
  const std::unique_ptr<char[]> block(new char[kBlock]);
  for (off_t at = 0; read;) {
    const ssize_t n = ::pread(fd, block.get(), kBlock, at);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    read = n > 0 && XXH3_128bits_update(state.get(), block.get(), static_cast<size_t>(n)) == XXH_OK;
    at += n;
  }
  if (!read) return std::nullopt;
  const XXH128_hash_t hash = XXH3_128bits_digest(state.get());
  return FileDigest{hash.low64, hash.high64};
}
