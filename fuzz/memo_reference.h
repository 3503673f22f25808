// A second reader of memo files, kept apart from the engine's and as plain
// as can be, for the memo fuzz target to compare against: the whole file in
// memory, each format read straight from its layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace fuzzsupport {

enum class MemoKind { kDbase3, kDbase4, kFoxPro };

struct ReferenceMemo {
  enum Status { kText, kBinary, kPastEnd, kDamaged };
  Status status = kText;
  std::string bytes;
  bool cut = false;
  uint32_t size = 0;
};

// The memo at `block` of the memo file `file`, at most `limit` bytes of its
// text; nothing when the file is too short to have a header.
std::optional<ReferenceMemo> ReadReferenceMemo(const std::string& file, MemoKind kind, uint32_t block, size_t limit);

}  // namespace fuzzsupport
