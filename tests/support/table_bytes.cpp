#include "table_bytes.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace testsupport {

uint32_t RecordLength(const std::vector<FieldSpec>& fields) {
  uint32_t length = 1;
  for (const auto& f : fields) length += f.length;
  return length;
}

std::string Record(const std::vector<FieldSpec>& fields, const std::vector<std::string>& values,
                   bool deleted) {
  std::string record(1, deleted ? '*' : ' ');
  for (size_t i = 0; i < fields.size(); ++i) {
    std::string v = i < values.size() ? values[i] : std::string();
    v.resize(fields[i].length, ' ');
    record += v;
  }
  return record;
}

namespace {

void Put(std::string& bytes, size_t pos, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes[pos + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string TableBytes(const TableLayout& layout) {
  const size_t headerSize = 32 + 32 * layout.fields.size() + 1 + layout.afterTerminator.size();
  std::string bytes(headerSize, '\0');
  bytes[0] = static_cast<char>(layout.version);
  bytes[1] = 26;
  bytes[2] = 12;
  bytes[3] = 6;
  uint32_t count = layout.headerRecordCount == 0xFFFFFFFF ? static_cast<uint32_t>(layout.records.size())
                                                        : layout.headerRecordCount;
  Put(bytes, 4, count, 4);
  Put(bytes, 8, static_cast<uint32_t>(headerSize), 2);
  Put(bytes, 10, layout.recordLengthOverride ? layout.recordLengthOverride : RecordLength(layout.fields), 4);
  bytes[29] = static_cast<char>(layout.languageDriver);
  for (size_t i = 0; i < layout.fields.size(); ++i) {
    const FieldSpec& f = layout.fields[i];
    size_t d = 32 + 32 * i;
    for (size_t k = 0; k < f.name.size() && k < 11; ++k) bytes[d + k] = f.name[k];
    bytes[d + 11] = f.type;
    Put(bytes, d + 12, f.storedOffset, 4);
    bytes[d + 16] = static_cast<char>(f.length);
    bytes[d + 17] = static_cast<char>(f.decimals);
  }
  const size_t terminator = 32 + 32 * layout.fields.size();
  bytes[terminator] = 0x0D;
  bytes.replace(terminator + 1, layout.afterTerminator.size(), layout.afterTerminator);
  for (const auto& r : layout.records) bytes += r;
  if (layout.endMark) bytes += '\x1A';
  return bytes;
}

uint32_t U32At(const std::string& bytes, size_t pos) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes.at(pos + i));
  return v;
}

uint16_t U16At(const std::string& bytes, size_t pos) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes.at(pos)) |
                               (static_cast<unsigned char>(bytes.at(pos + 1)) << 8));
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "dbfview-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  dir_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

size_t TempDir::FileCount() const {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir_), {}));
}

}  // namespace testsupport
