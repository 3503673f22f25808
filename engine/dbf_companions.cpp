#include "dbf_companions.h"

#include "dbf_file.h"

#include <filesystem>

namespace dbf {
namespace {

constexpr int64_t kIndexFlagAt = 28;

// The production index's name, by the table's version: FoxPro's .cdx or
// dBASE's .mdx.
std::string ProductionIndexName(const std::string& tablePath, unsigned char version) {
  std::filesystem::path index(tablePath);
  const bool foxPro = version == 0x30 || version == 0x31 || version == 0x32 || version == 0xF5;
  index.replace_extension(foxPro ? ".cdx" : ".mdx");
  return index.string();
}

}  // namespace

std::string MemoPathForCopy(const std::string& copyPath, const std::string& memoPath) {
  std::filesystem::path memo(copyPath);
  memo.replace_extension(std::filesystem::path(memoPath).extension());
  return memo.string();
}

std::vector<std::string> IndexFilesOf(const std::string& tablePath) {
  std::vector<std::string> found;
  std::filesystem::path stem(tablePath);
  stem.replace_extension();
  for (const char* extension : {".cdx", ".CDX", ".mdx", ".MDX", ".ndx", ".NDX", ".ntx", ".NTX", ".idx", ".IDX"}) {
    std::filesystem::path candidate = stem;
    candidate += extension;
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) found.push_back(candidate.string());
  }
  TableFile table;
  unsigned char header[kIndexFlagAt + 1];
  if (found.empty() && table.OpenForReading(tablePath) &&
      table.ReadSome(0, header, sizeof header) == sizeof header && (header[kIndexFlagAt] & 0x01) != 0) {
    found.push_back(ProductionIndexName(tablePath, header[0]));
  }
  return found;
}

}  // namespace dbf
