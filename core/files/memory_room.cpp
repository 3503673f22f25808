#include "memory_room.h"

#include "dbf_texts.h"
#include "write_all.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace {

constexpr uint64_t kMegabyte = 1 << 20;
constexpr size_t kReadBlock = 1 << 20;

// Whole megabytes, rounded up, so that a size just over a limit never
// reads as equal to it.
std::string Megabytes(uint64_t bytes) { return std::to_string((bytes + kMegabyte - 1) / kMegabyte); }

// A "Key:   1234 kB" line of /proc/meminfo, in bytes; nothing when missing.
std::optional<uint64_t> MemInfoBytes(const std::string& key) {
  std::ifstream info("/proc/meminfo");
  std::string name;
  uint64_t kilobytes = 0;
  std::string unit;
  while (info >> name >> kilobytes >> unit) {
    if (name == key + ":") return kilobytes * 1024;
  }
  return std::nullopt;
}

// The address space the process takes now, in bytes.
uint64_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  uint64_t pages = 0;
  statm >> pages;
  return pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
}

[[noreturn]] void RefuseRead(const std::string& path, uint64_t size, uint64_t limit, bool atLeast) {
  const std::string pattern =
      atLeast ? dbf::Tr("MemoryRoom", "Файл %1 не прочитан: в нем больше %2 МБ, а памяти на его чтение хватает на %3 МБ.")
              : dbf::Tr("MemoryRoom", "Файл %1 не прочитан: в нем %2 МБ, а памяти на его чтение хватает на %3 МБ.");
  throw std::runtime_error(dbf::FillText(pattern, {path, Megabytes(size), Megabytes(limit)}));
}

}  // namespace

uint64_t AvailableMemory() {
  uint64_t room = MemInfoBytes("MemAvailable").value_or(UINT64_MAX);
  if (room != UINT64_MAX) room += MemInfoBytes("SwapFree").value_or(0);
  struct rlimit limit {};
  if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
    const uint64_t inUse = AddressSpaceInUse();
    room = std::min<uint64_t>(room, limit.rlim_cur > inUse ? limit.rlim_cur - inUse : 0);
  }
  return room;
}

std::string ReadWholeWithin(const std::string& path, uint64_t limit) {
  const ui::OwnedFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw std::system_error(errno, std::generic_category(), path);
  return ReadWholeWithin(fd.get(), path, limit);
}

std::string ReadWholeWithin(int fd, const std::string& path, uint64_t limit) {
  struct stat st {};
  if (fstat(fd, &st) != 0) throw std::system_error(errno, std::generic_category(), path);
  if (S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) > limit) {
    RefuseRead(path, static_cast<uint64_t>(st.st_size), limit, false);
  }
  std::string bytes;
  if (S_ISREG(st.st_mode)) bytes.reserve(static_cast<size_t>(st.st_size));
  for (;;) {
    const size_t at = bytes.size();
    // One byte past the limit tells a source that goes on.
    const size_t want = static_cast<size_t>(std::min<uint64_t>(kReadBlock, limit + 1 - at));
    bytes.resize(at + want);
    const ssize_t got = ::read(fd, bytes.data() + at, want);
    if (got < 0 && errno == EINTR) {
      bytes.resize(at);
      continue;
    }
    if (got < 0) throw std::system_error(errno, std::generic_category(), path);
    bytes.resize(at + static_cast<size_t>(got));
    if (got == 0) return bytes;
    if (bytes.size() > limit) RefuseRead(path, bytes.size() - 1, limit, true);
  }
}

void RefuseTableBeyondMemory(const std::string& path, uint64_t size, uint64_t needed, uint64_t available) {
  if (needed <= available) return;
  throw std::runtime_error(dbf::FillText(
      dbf::Tr("MemoryRoom", "Таблица %1 не открыта: в ней %2 МБ, а свободной памяти %3 МБ."),
      {path, Megabytes(size), Megabytes(available)}));
}
