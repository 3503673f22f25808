// A table file opened for reading and writing. Writes go to the file at once,
// except those made with WriteHeld, which may wait in memory until the next
// operation on any TableFile of the process; reads go through a read-ahead
// window that is dropped whenever any TableFile of the process writes. So two
// handles on one file never see stale bytes. Its writes, cuts and copies go
// through the FileSystem it was given (see dbf_file_system.h).
#pragma once

#include "dbf_file_system.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dbf {

class TableFile {
 public:
  explicit TableFile(FileSystem& files = SystemFileSystem()) : files_(&files) {}
  ~TableFile();
  TableFile(const TableFile&) = delete;
  TableFile& operator=(const TableFile&) = delete;

  // Opens an existing regular file for reading and writing; false on failure
  // (anything else, a FIFO included, is refused without waiting on it).
  bool Open(const std::string& path);
  // Opens an existing regular file for reading only; false on failure.
  bool OpenForReading(const std::string& path);
  // Creates the file, or empties an existing one; throws IoError on failure,
  // also when a link stands under the name.
  void Create(const std::string& path);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  // The file system the next writes go through.
  void WriteThrough(FileSystem& files) { files_ = &files; }
  // True once anything was written or cut through this handle since it was
  // opened (a created file counts as written).
  bool Written() const { return written_; }

  int64_t Size();
  // Reads exactly n bytes at pos; a short read throws IoError.
  void ReadAt(int64_t pos, void* dst, size_t n);
  // Reads up to n bytes at pos and returns how many were there.
  size_t ReadSome(int64_t pos, void* dst, size_t n);
  // Reads exactly n bytes at pos straight from the file, leaving the
  // read-ahead window alone: for reads that jump about the file, where a
  // window would be filled for nothing. A short read throws IoError.
  void ReadDirectAt(int64_t pos, void* dst, size_t n);
  void WriteAt(int64_t pos, const void* src, size_t n);
  // Writes like WriteAt, but the bytes may be held back, gathered with the
  // next held writes that continue or overlap them, until any other
  // operation on any TableFile of the process (a write inside the held bytes
  // excepted), its closing, or until a megabyte has gathered. A failure to
  // write them is reported by the operation that releases them. For record
  // after record appended, which would otherwise cost a system call each.
  void WriteHeld(int64_t pos, const void* src, size_t n);
  void Truncate(int64_t size);
  // Copies up to n bytes at pos into `target` at the same position, inside
  // the system where the file systems allow it; returns how many there were.
  size_t CopyInto(TableFile& target, int64_t pos, size_t n);

  // True when both paths name the same existing file (links and other
  // spellings included).
  static bool SameFile(const std::string& a, const std::string& b);

 private:
  bool OpenRegular(const std::string& path, int flags);
  bool CacheValid() const;
  size_t ReadDirect(int64_t pos, char* out, size_t n);
  void WriteOut(int64_t pos, const char* in, size_t n);
  // Counts bytes handed to the system; every kWriteBehind of them the disk
  // is asked to start on them.
  void WroteOut(size_t n);
  void Invalidate();
  void CloseHandle();
  // Writes the held bytes of whichever TableFile holds some.
  static void ReleaseHeld();

  // Failures name the operation and the file: "write /data/t.dbf: ...".
  [[noreturn]] void Fail(const char* operation) const;

  FileSystem* files_;
  int fd_ = -1;
  bool written_ = false;
  size_t notStarted_ = 0;  // bytes written since the disk was last asked to start
  std::string path_;  // the name it was opened or created with, for messages
  std::vector<char> window_;
  int64_t windowStart_ = 0;
  size_t windowSize_ = 0;
  uint64_t windowGeneration_ = 0;
  int64_t size_ = -1;
  uint64_t sizeGeneration_ = 0;
  std::vector<char> held_;  // bytes for heldStart_ onwards, not yet written
  int64_t heldStart_ = 0;
};

}  // namespace dbf
