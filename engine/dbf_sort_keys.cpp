#include "dbf_sort_keys.h"

#include <algorithm>
#include <cstring>

namespace dbf {

void ExtractKeyString(const std::vector<SortKey>& keys, const char* record, uint32_t recordLength,
                      char* out) {
  for (const SortKey& k : keys) {
    char* dst = out + (k.position - 1);
    uint64_t from = k.fieldOffset;
    uint64_t to = std::min<uint64_t>(from + k.length, recordLength);
    size_t inside = from < to ? static_cast<size_t>(to - from) : 0;
    if (inside > 0) std::memcpy(dst, record + from, inside);
    std::memset(dst + inside, ' ', k.length - inside);
  }
}

namespace {

bool IsNumeric(char type) { return type == 'N' || type == 'n'; }

int CompareBytes(const unsigned char* a, const unsigned char* b, size_t n) {
  int c = std::memcmp(a, b, n);
  return (c > 0) - (c < 0);
}

}  // namespace

int CompareKey(const SortKey& key, const char* a, const char* b) {
  const auto* ka = reinterpret_cast<const unsigned char*>(a + (key.position - 1));
  const auto* kb = reinterpret_cast<const unsigned char*>(b + (key.position - 1));
  const size_t n = key.length;
  if (!IsNumeric(key.type)) return CompareBytes(ka, kb, n);
  const auto* ma = static_cast<const unsigned char*>(std::memchr(ka, '-', n));
  const auto* mb = static_cast<const unsigned char*>(std::memchr(kb, '-', n));
  if (!ma && !mb) return CompareBytes(ka, kb, n);
  if (ma && !mb) return -1;
  if (!ma) return 1;
  // Both negative: compare with each first '-' read as a blank; the larger
  // magnitude is the smaller number.
  for (size_t i = 0; i < n; ++i) {
    unsigned char ca = ka + i == ma ? ' ' : ka[i];
    unsigned char cb = kb + i == mb ? ' ' : kb[i];
    if (ca != cb) return ca > cb ? -1 : 1;
  }
  return 0;
}

bool Precedes(const std::vector<SortKey>& keys, const char* a, const char* b) {
  for (const SortKey& k : keys) {
    int c = CompareKey(k, a, b);
    if (c != 0) return k.direction == 1 ? c < 0 : c > 0;
  }
  return false;
}

}  // namespace dbf
