// Builds memo files byte by byte as each writer lays them out, independently of the engine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

enum class MemoKind { kDbase3, kDbase4, kFoxPro };

// A memo file of `texts`, each from a fresh block after the 512-byte header:
// dBASE III ones ended by 0x1A 0x1A, dBASE IV ones led by FF FF 08 00 and
// their length (head included) and ended by 0x1F, FoxPro ones led by type 1.
inline std::string MemoFileBytes(MemoKind kind, const std::vector<std::string>& texts, uint16_t blockSize = 512) {
  const bool fox = kind == MemoKind::kFoxPro;
  const auto put = [fox](std::string& out, size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) out[at + i] = static_cast<char>(v >> (8 * (fox ? n - 1 - i : i)));
  };
  const auto pad = [blockSize](std::string& out) { out.resize((out.size() + blockSize - 1) / blockSize * blockSize); };
  std::string memo(512, '\0');
  for (const std::string& text : texts) {
    pad(memo);
    std::string head = fox ? std::string(8, '\0') : std::string("\xFF\xFF\x08\x00\0\0\0\0", 8);
    put(head, 0, 1, fox ? 4 : 0);
    put(head, 4, static_cast<uint32_t>(text.size() + (fox ? 0 : 8)), 4);
    memo += kind == MemoKind::kDbase3 ? text + "\x1A\x1A" : head + text + (fox ? "" : "\x1F");
  }
  pad(memo);
  put(memo, 0, static_cast<uint32_t>(memo.size() / blockSize), 4);
  put(memo, fox ? 6 : 20, blockSize, 2);
  return memo;
}

}  // namespace testsupport
