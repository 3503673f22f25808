#include "dbf_memo.h"

#include "dbf_header.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace dbf {

namespace {

constexpr int64_t kHeaderBlock = 512;
constexpr uint32_t kDbase3BlockSize = 512;
constexpr size_t kEntryHead = 8;  // dBASE IV and FoxPro memos: two 4-byte numbers first
constexpr char kEndMark = '\x1A';
constexpr char kDbase4EndMark = '\x1F';
// Memo file header bytes.
constexpr int64_t kFoxProBlockSizeAt = 6;
constexpr int64_t kDbase4BlockSizeAt = 20;
// A dBASE IV memo's entry starts with these bytes.
constexpr unsigned char kDbase4Mark[4] = {0xFF, 0xFF, 0x08, 0x00};
constexpr uint32_t kFoxProText = 1;
constexpr size_t kScanChunk = 4096;

uint32_t BigEndian32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 | p[3];
}

bool IsBlank(char c) { return c == ' ' || c == '\0'; }

Memo Damaged() { return Memo{Memo::kDamaged, {}, false, 0}; }

}  // namespace

bool IsMemoField(char type, uint16_t length) {
  switch (type) {
    case 'M':
    case 'G':
    case 'P':
    case 'W':
      return true;
    case 'B':
      return length == 10;
    default:
      return false;
  }
}

std::optional<uint32_t> MemoBlockNumber(const char* bytes, size_t length) {
  if (length == 4) return GetU32(bytes);
  size_t begin = 0;
  size_t end = length;
  while (begin < end && IsBlank(bytes[begin])) ++begin;
  while (end > begin && IsBlank(bytes[end - 1])) --end;
  uint64_t number = 0;
  for (size_t i = begin; i < end; ++i) {
    if (bytes[i] < '0' || bytes[i] > '9') return std::nullopt;
    number = number * 10 + static_cast<unsigned>(bytes[i] - '0');
    if (number > UINT32_MAX) return std::nullopt;
  }
  return static_cast<uint32_t>(number);
}

std::string FindMemoFile(const std::string& tablePath) {
  std::filesystem::path stem(tablePath);
  stem.replace_extension();
  for (const char* extension : {".fpt", ".FPT", ".dbt", ".DBT"}) {
    std::filesystem::path candidate = stem;
    candidate += extension;
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate.string();
  }
  return {};
}

bool MemoFile::Open(const std::string& path, uint8_t tableVersion) {
  if (!file_.OpenForReading(path)) return false;
  path_ = path;
  size_ = file_.Size();
  if (size_ < kHeaderBlock) return false;
  unsigned char header[kHeaderBlock];
  file_.ReadAt(0, header, sizeof header);
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".fpt") {
    format_ = MemoFormat::kFoxPro;
    // A block size of 0 is FoxPro's way of giving memos room byte by byte.
    blockSize_ = std::max(1, header[kFoxProBlockSizeAt] << 8 | header[kFoxProBlockSizeAt + 1]);
  } else if (tableVersion == 0x83) {
    format_ = MemoFormat::kDbase3;
    blockSize_ = kDbase3BlockSize;
  } else {
    format_ = MemoFormat::kDbase4;
    const uint16_t stated = GetU16(reinterpret_cast<const char*>(header) + kDbase4BlockSizeAt);
    blockSize_ = stated == 0 ? kDbase3BlockSize : stated;
  }
  return true;
}

Memo MemoFile::Read(uint32_t block, size_t limit) {
  const int64_t start = static_cast<int64_t>(block) * blockSize_;
  if (start >= size_) return Memo{Memo::kPastEnd, {}, false, 0};
  switch (format_) {
    case MemoFormat::kDbase3:
      return ReadToEndMark(start, limit);
    case MemoFormat::kDbase4:
      return ReadDbase4(start, limit);
    case MemoFormat::kFoxPro:
      break;
  }
  return ReadFoxPro(start, limit);
}

// The text from `start` up to the first end mark, or to the file's end.
Memo MemoFile::ReadToEndMark(int64_t start, size_t limit) {
  Memo memo;
  char chunk[kScanChunk];
  for (int64_t at = start; at < size_;) {
    const size_t got = file_.ReadSome(at, chunk, static_cast<size_t>(std::min<int64_t>(kScanChunk, size_ - at)));
    if (got == 0) break;
    const char* end = std::find(chunk, chunk + got, kEndMark);
    const size_t text = static_cast<size_t>(end - chunk);
    if (memo.bytes.size() + text > limit) {
      memo.bytes.append(chunk, limit - memo.bytes.size());
      memo.cut = true;
      return memo;
    }
    memo.bytes.append(chunk, text);
    if (end != chunk + got) break;
    at += static_cast<int64_t>(got);
  }
  return memo;
}

// The entry's length counts its 8-byte head; the text may end earlier at an
// end mark. An entry without the dBASE IV head is read as dBASE III text.
Memo MemoFile::ReadDbase4(int64_t start, size_t limit) {
  if (start + static_cast<int64_t>(kEntryHead) > size_) return Damaged();
  unsigned char head[kEntryHead];
  file_.ReadAt(start, head, sizeof head);
  if (!std::equal(head, head + 4, kDbase4Mark)) return ReadToEndMark(start, limit);
  const uint32_t length = GetU32(reinterpret_cast<const char*>(head) + 4);
  if (length < kEntryHead || start + static_cast<int64_t>(length) > size_) return Damaged();
  const size_t text = length - kEntryHead;
  Memo memo;
  memo.bytes.resize(std::min(text, limit));
  file_.ReadAt(start + static_cast<int64_t>(kEntryHead), memo.bytes.data(), memo.bytes.size());
  const size_t end = memo.bytes.find_first_of(std::string{kEndMark, kDbase4EndMark});
  if (end != std::string::npos) {
    memo.bytes.resize(end);
  } else {
    memo.cut = text > limit;
  }
  return memo;
}

Memo MemoFile::ReadFoxPro(int64_t start, size_t limit) {
  if (start + static_cast<int64_t>(kEntryHead) > size_) return Damaged();
  unsigned char head[kEntryHead];
  file_.ReadAt(start, head, sizeof head);
  const uint32_t type = BigEndian32(head);
  const uint32_t length = BigEndian32(head + 4);
  if (start + static_cast<int64_t>(kEntryHead) + length > size_) return Damaged();
  Memo memo;
  memo.size = length;
  if (type != kFoxProText) {
    memo.status = Memo::kBinary;
    return memo;
  }
  memo.bytes.resize(std::min<size_t>(length, limit));
  memo.cut = length > limit;
  file_.ReadAt(start + static_cast<int64_t>(kEntryHead), memo.bytes.data(), memo.bytes.size());
  return memo;
}

}  // namespace dbf
