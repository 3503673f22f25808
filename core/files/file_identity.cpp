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

constexpr int64_t kTick = int64_t{2} * 1000000000;

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

bool FileStamp::WithinTick(int64_t taken) const {
  return taken - modified < kTick || taken - changed < kTick;
}

int64_t FileClockNow() {
  timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::optional<FileDigest> FileDigest::Of(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  const std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state(XXH3_createState(), &XXH3_freeState);
  struct stat st {};
  bool read = state && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && XXH3_128bits_reset(state.get()) == XXH_OK;
  constexpr size_t kBlock = 1 << 20;
  const std::unique_ptr<char[]> block(new char[kBlock]);
  while (read) {
    const ssize_t n = ::read(fd, block.get(), kBlock);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    read = n > 0 && XXH3_128bits_update(state.get(), block.get(), static_cast<size_t>(n)) == XXH_OK;
  }
  ::close(fd);
  if (!read) return std::nullopt;
  const XXH128_hash_t hash = XXH3_128bits_digest(state.get());
  return FileDigest{hash.low64, hash.high64};
}
