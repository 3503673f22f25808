#include "table_reference.h"

#include "table_bytes.h"

#include <algorithm>
#include <numeric>

namespace testsupport {
namespace {

std::string KeyBytes(const std::string& record, const KeyField& k) {
  std::string key(k.length, ' ');
  for (uint32_t i = 0; i < k.length; ++i) {
    const uint64_t at = static_cast<uint64_t>(k.fieldOffset) + i;
    if (at < record.size()) key[i] = record[at];
  }
  return key;
}

// Below 0, 0 or above 0 as key a is smaller, equal or greater.
int Compare(const std::string& a, const std::string& b, char type) {
  const size_t ma = a.find('-');
  const size_t mb = b.find('-');
  const bool numeric = type == 'N' || type == 'n';
  if (!numeric || (ma == std::string::npos && mb == std::string::npos)) {
    return a < b ? -1 : (b < a ? 1 : 0);  // std::string compares bytes unsigned
  }
  if (mb == std::string::npos) return -1;
  if (ma == std::string::npos) return 1;
  std::string ca = a, cb = b;
  ca[ma] = ' ';
  cb[mb] = ' ';
  return ca < cb ? 1 : (cb < ca ? -1 : 0);
}

}  // namespace

RawRecords SplitRecords(const std::string& table) {
  RawRecords raw;
  if (table.size() < 14) return raw;
  raw.headerSize = U16At(table, 8);
  raw.recordLength = U32At(table, 10);
  if (raw.recordLength == 0) return raw;
  size_t end = table.size();
  // Records of the flag byte alone: a last byte 0x1A is the end mark, not one more record.
  if (raw.recordLength == 1 && end > raw.headerSize && table.back() == '\x1A') --end;
  for (size_t at = raw.headerSize; at + raw.recordLength <= end; at += raw.recordLength) {
    raw.records.push_back(table.substr(at, raw.recordLength));
  }
  return raw;
}

std::vector<std::string> LiveRecords(const RawRecords& raw) {
  std::vector<std::string> live;
  for (const std::string& r : raw.records) {
    if (r[0] == ' ') live.push_back(r);
  }
  return live;
}

std::vector<std::string> StablySorted(const RawRecords& raw, const std::vector<KeyField>& keys) {
  std::vector<std::vector<std::string>> keyBytes;
  for (const std::string& r : raw.records) {
    std::vector<std::string> row;
    for (const KeyField& k : keys) row.push_back(KeyBytes(r, k));
    keyBytes.push_back(std::move(row));
  }
  std::vector<size_t> order(raw.records.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    for (size_t i = 0; i < keys.size(); ++i) {
      const int c = Compare(keyBytes[a][i], keyBytes[b][i], keys[i].type);
      if (c != 0) return keys[i].ascending ? c < 0 : c > 0;
    }
    return false;
  });
  std::vector<std::string> sorted;
  for (size_t i : order) {
    std::string r = raw.records[i];
    r[0] = r[0] == '*' ? '*' : ' ';
    sorted.push_back(std::move(r));
  }
  return sorted;
}

}  // namespace testsupport
