#include "memo_reference.h"

namespace fuzzsupport {

namespace {

constexpr size_t kHeader = 512;

uint32_t Byte(const std::string& s, size_t at) { return static_cast<unsigned char>(s[at]); }
uint32_t Little16(const std::string& s, size_t at) { return Byte(s, at) | Byte(s, at + 1) << 8; }
uint32_t Little32(const std::string& s, size_t at) { return Little16(s, at) | Little16(s, at + 2) << 16; }
uint32_t Big16(const std::string& s, size_t at) { return Byte(s, at) << 8 | Byte(s, at + 1); }
uint32_t Big32(const std::string& s, size_t at) { return Big16(s, at) << 16 | Big16(s, at + 2); }

ReferenceMemo Text(std::string text, size_t limit) {
  ReferenceMemo memo;
  memo.cut = text.size() > limit;
  if (memo.cut) text.resize(limit);
  memo.bytes = std::move(text);
  return memo;
}

// dBASE III: everything up to the first 0x1A, or to the end of the file.
ReferenceMemo UpToEndMark(const std::string& file, size_t start, size_t limit) {
  const size_t end = file.find('\x1A', start);
  return Text(file.substr(start, end == std::string::npos ? std::string::npos : end - start), limit);
}

// dBASE IV: FF FF 08 00, then the entry's length (its 8-byte head counted),
// the text perhaps ended early by 0x1A or 0x1F; no such head: dBASE III text.
ReferenceMemo Dbase4(const std::string& file, size_t start, size_t limit) {
  if (file.size() - start < 8) return {ReferenceMemo::kDamaged, {}, false, 0};
  if (file.compare(start, 4, "\xFF\xFF\x08\x00", 4) != 0) return UpToEndMark(file, start, limit);
  const uint64_t length = Little32(file, start + 4);
  if (length < 8 || start + length > file.size()) return {ReferenceMemo::kDamaged, {}, false, 0};
  std::string text = file.substr(start + 8, length - 8);
  const size_t shown = text.size() < limit ? text.size() : limit;
  const size_t mark = text.find_first_of(std::string("\x1A\x1F", 2));
  if (mark != std::string::npos && mark < shown) return Text(text.substr(0, mark), limit);
  return Text(std::move(text), limit);
}

// FoxPro: the memo's type and length, both big-endian; type 1 is text.
ReferenceMemo FoxPro(const std::string& file, size_t start, size_t limit) {
  if (file.size() - start < 8) return {ReferenceMemo::kDamaged, {}, false, 0};
  const uint32_t type = Big32(file, start);
  const uint64_t length = Big32(file, start + 4);
  if (start + 8 + length > file.size()) return {ReferenceMemo::kDamaged, {}, false, 0};
  if (type != 1) return {ReferenceMemo::kBinary, {}, false, static_cast<uint32_t>(length)};
  ReferenceMemo memo = Text(file.substr(start + 8, length), limit);
  memo.size = static_cast<uint32_t>(length);
  return memo;
}

}  // namespace

std::optional<ReferenceMemo> ReadReferenceMemo(const std::string& file, MemoKind kind, uint32_t block, size_t limit) {
  if (file.size() < kHeader) return std::nullopt;
  uint64_t blockSize = 512;
  if (kind == MemoKind::kFoxPro) blockSize = Big16(file, 6) == 0 ? 1 : Big16(file, 6);
  if (kind == MemoKind::kDbase4 && Little16(file, 20) != 0) blockSize = Little16(file, 20);
  const uint64_t start = block * blockSize;
  if (start >= file.size()) return ReferenceMemo{ReferenceMemo::kPastEnd, {}, false, 0};
  switch (kind) {
    case MemoKind::kDbase3: return UpToEndMark(file, start, limit);
    case MemoKind::kDbase4: return Dbase4(file, start, limit);
    case MemoKind::kFoxPro: return FoxPro(file, start, limit);
  }
  return std::nullopt;
}

}  // namespace fuzzsupport
