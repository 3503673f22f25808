// Builds memo files byte by byte, as the dBASE III, dBASE IV and FoxPro
// writers lay them out, independently of the engine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

enum class MemoKind { kDbase3, kDbase4, kFoxPro };

struct MemoBytes {
  std::string bytes;            // the whole memo file
  std::vector<uint32_t> blocks;  // the block each text starts at, in order
};

// A memo file holding `texts`, each starting at a fresh block: dBASE III in
// blocks of 512 ended by 0x1A 0x1A; dBASE IV with `blockSize` in its header
// and each entry led by FF FF 08 00 and its length (head included), ended
// by 0x1F; FoxPro with its big-endian `blockSize` and each entry led by
// `foxType` and its length. Block sizes go into the header too.
MemoBytes MemoFileBytes(MemoKind kind, const std::vector<std::string>& texts, uint16_t blockSize = 512,
                        uint32_t foxType = 1);

// A field holding block number `block`: ten digits right-aligned.
std::string BlockDigits(uint32_t block);

}  // namespace testsupport
