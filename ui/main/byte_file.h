// A file read and written as plain bytes at given positions, for the commands
// that work on a table's header directly instead of through the engine.
// Failures of reads and writes throw dbf::IoError carrying the system's text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ByteFile {
 public:
  enum class Access { Read, ReadWrite };

  ByteFile() = default;
  ~ByteFile();
  ByteFile(const ByteFile&) = delete;
  ByteFile& operator=(const ByteFile&) = delete;

  // Opens an existing regular file; false when that fails.
  bool Open(const std::string& path, Access access);
  // Creates the file, or empties an existing one.
  void Create(const std::string& path);
  void Close();

  int64_t Size() const;
  // Reads up to n bytes at pos and returns how many there were.
  size_t ReadAt(int64_t pos, void* dst, size_t n) const;
  // Writes all n bytes at pos; a write that stops short throws.
  void WriteAt(int64_t pos, const void* src, size_t n);
  void Truncate(int64_t size);
  // Copies up to n bytes at pos into `target` at the same position, inside
  // the system where the file systems allow it; returns how many there were.
  size_t CopyInto(ByteFile& target, int64_t pos, size_t n) const;

 private:
  int fd_ = -1;
};
