// Memo fields: the block number a record keeps in the field, and the memo it
// points at in the memo file beside the table: a dBASE III .dbt (blocks of
// 512 bytes, the text ended by 0x1A), a dBASE IV .dbt (the block size in the
// file's header, each memo led by its length) or a FoxPro .fpt (big-endian
// block size, and each memo led by its type and length). Reading only: the
// memo file is never written.
#pragma once

#include "dbf_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace dbf {

// True for a field whose bytes are a block number in the memo file: memo
// (M), general (G), picture (P) and blob (W) fields, and dBASE's binary
// field B of 10 digits (Visual FoxPro's B of 8 bytes is a number).
bool IsMemoField(char type, uint16_t length);

// The block number in a memo field's `length` bytes: little-endian binary in
// a field of 4 bytes (Visual FoxPro), else digits with blanks or NULs around
// them. 0 for a field of blanks: the record has no memo. Nothing when the
// bytes are no number.
std::optional<uint32_t> MemoBlockNumber(const char* bytes, size_t length);

// The memo file of the table at `tablePath`: its name with the extension
// .fpt or .dbt in either letter case, the first of them that exists; empty
// when none does.
std::string FindMemoFile(const std::string& tablePath);

enum class MemoFormat { kDbase3, kDbase4, kFoxPro };

struct Memo {
  enum Status {
    kText,     // bytes holds the memo's text
    kBinary,   // a FoxPro memo of another type than text (a picture, an object)
    kPastEnd,  // the block lies past the end of the memo file
    kDamaged,  // the memo's entry runs past the file's end or makes no sense
  };
  Status status = kText;
  std::string bytes;  // the memo's bytes, at most the limit asked for
  bool cut = false;   // the memo goes on past the limit
  uint32_t size = 0;  // a binary memo's length
};

class MemoFile {
 public:
  // Opens the memo file for reading. A .fpt is FoxPro's; a .dbt is dBASE
  // III's when the table's version byte (`tableVersion`) says so (0x83),
  // else dBASE IV's. False when the file cannot be opened or is shorter than
  // its 512-byte header.
  bool Open(const std::string& path, uint8_t tableVersion);

  const std::string& Path() const { return path_; }

  // The memo at `block` (1 and up), at most `limit` bytes of it. Throws
  // IoError when the file cannot be read.
  Memo Read(uint32_t block, size_t limit);

 private:
  Memo ReadToEndMark(int64_t start, size_t limit);
  Memo ReadDbase4(int64_t start, size_t limit);
  Memo ReadFoxPro(int64_t start, size_t limit);

  TableFile file_;
  std::string path_;
  int64_t size_ = 0;
  MemoFormat format_ = MemoFormat::kDbase3;
  uint32_t blockSize_ = 512;
};

}  // namespace dbf
