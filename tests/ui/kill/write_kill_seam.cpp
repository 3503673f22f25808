#include "write_kill_seam.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

long g_counted = 0;
long g_killAt = 0;
bool g_counting = false;

bool IsFile(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

// Counts one call; when it is the one to die at, dies after `half` (the
// first part of a write) has been done.
template <typename Half = void (*)()>
void Count(Half half = [] {}) {
  if (!g_counting || ++g_counted != g_killAt) return;
  half();
  ::kill(::getpid(), SIGKILL);
}

}  // namespace

namespace killseam {

void KillAtWrite(long n) {
  g_counted = 0;
  g_killAt = n;
  g_counting = true;
}

long WritesCounted() { return g_counted; }

}  // namespace killseam

extern "C" {

ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
  if (IsFile(fd)) Count([&] { ::syscall(SYS_pwrite64, fd, data, size / 2, offset); });
  return ::syscall(SYS_pwrite64, fd, data, size, offset);
}

ssize_t write(int fd, const void* data, size_t size) {
  if (IsFile(fd)) Count([&] { ::syscall(SYS_write, fd, data, size / 2); });
  return ::syscall(SYS_write, fd, data, size);
}

int ftruncate(int fd, off_t size) {
  Count();
  return static_cast<int>(::syscall(SYS_ftruncate, fd, size));
}

int fsync(int fd) {
  Count();
  return static_cast<int>(::syscall(SYS_fsync, fd));
}

int rename(const char* from, const char* to) {
  Count();
  return static_cast<int>(::syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}

int link(const char* from, const char* to) {
  Count();
  return static_cast<int>(::syscall(SYS_linkat, AT_FDCWD, from, AT_FDCWD, to, 0));
}

int unlink(const char* path) {
  Count();
  return static_cast<int>(::syscall(SYS_unlinkat, AT_FDCWD, path, 0));
}

ssize_t copy_file_range(int in, off64_t* inAt, int out, off64_t* outAt, size_t size, unsigned int flags) {
  Count();
  return ::syscall(SYS_copy_file_range, in, inAt, out, outAt, size, flags);
}

}  // extern "C"
