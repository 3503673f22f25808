#include "memo_bytes.h"

namespace testsupport {

namespace {

// Writes the n-byte number v at `at`, most significant byte first when `big`.
void Put(std::string& out, size_t at, uint32_t v, int n, bool big) {
  for (int i = 0; i < n; ++i) out[at + i] = static_cast<char>(v >> (8 * (big ? n - 1 - i : i)));
}

}  // namespace

MemoBytes MemoFileBytes(MemoKind kind, const std::vector<std::string>& texts, uint16_t blockSize, uint32_t foxType) {
  if (kind == MemoKind::kDbase3) blockSize = 512;
  const bool fox = kind == MemoKind::kFoxPro;
  MemoBytes memo{std::string(512, '\0'), {}};  // the header, whatever the block size
  for (const std::string& text : texts) {
    memo.bytes.resize((memo.bytes.size() + blockSize - 1) / blockSize * blockSize, '\0');
    memo.blocks.push_back(static_cast<uint32_t>(memo.bytes.size() / blockSize));
    std::string head = kind == MemoKind::kDbase4 ? std::string("\xFF\xFF\x08\x00\0\0\0\0", 8) : std::string(8, '\0');
    if (fox) Put(head, 0, foxType, 4, true);
    Put(head, 4, static_cast<uint32_t>(text.size() + (fox ? 0 : 8)), 4, fox);
    memo.bytes += kind == MemoKind::kDbase3 ? text + "\x1A\x1A" : fox ? head + text : head + text + "\x1F";
  }
  memo.bytes.resize((memo.bytes.size() + blockSize - 1) / blockSize * blockSize, '\0');
  Put(memo.bytes, 0, static_cast<uint32_t>(memo.bytes.size() / blockSize), 4, fox);
  Put(memo.bytes, fox ? 6 : 20, blockSize, 2, fox);
  return memo;
}

std::string BlockDigits(uint32_t block) {
  const std::string digits = std::to_string(block);
  return std::string(10 - digits.size(), ' ') + digits;
}

}  // namespace testsupport
