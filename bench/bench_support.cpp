#include "bench_support.h"

#include "dbf2_lib.h"
#include "table_bytes.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace bench {

const std::vector<BenchField>& BenchFields() {
  static const std::vector<BenchField> fields = {
      {"NAME", 'C', 40, 0}, {"CITY", 'C', 20, 0}, {"ACCOUNT", 'C', 12, 0}, {"SUM", 'N', 12, 2},
      {"QTY", 'N', 6, 0},   {"PAID", 'L', 1, 0},  {"DAY", 'D', 8, 0}};
  return fields;
}

namespace {

void PutLe(char* p, uint64_t v, int width) {
  for (int i = 0; i < width; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A small repeatable generator (xorshift64*).
struct Random {
  uint64_t state;
  uint64_t Next() {
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return state * 0x2545F4914F6CDD1DULL;
  }
  uint64_t Below(uint64_t n) { return Next() % n; }
};

// Left-aligned text in a field of `width`, blank padded.
void PutText(char* field, int width, const char* text) {
  size_t n = std::min<size_t>(std::strlen(text), width);
  std::memset(field, ' ', width);
  std::memcpy(field, text, n);
}

void FillRecord(char* r, int64_t i, Random& random, int deletedEvery) {
  static const char* const kCities[] = {"Moskva", "Tver", "Kazan", "Omsk", "Samara", "Ufa"};
  char text[64];
  r[0] = deletedEvery > 0 && i % deletedEvery == deletedEvery - 1 ? '*' : ' ';
  char* f = r + 1;
  std::snprintf(text, sizeof text, "Person %c%c%c%c %lld", static_cast<char>('A' + random.Below(26)),
                static_cast<char>('a' + random.Below(26)), static_cast<char>('a' + random.Below(26)),
                static_cast<char>('a' + random.Below(26)), static_cast<long long>(i));
  PutText(f, 40, text);
  PutText(f + 40, 20, kCities[random.Below(6)]);
  std::snprintf(text, sizeof text, "%012llu", static_cast<unsigned long long>(random.Below(1000000000000ULL)));
  PutText(f + 60, 12, text);
  const long long cents = static_cast<long long>(random.Below(20000000)) - 10000000;
  std::snprintf(text, sizeof text, "%12.2f", static_cast<double>(cents) / 100.0);
  std::memcpy(f + 72, text, 12);
  std::snprintf(text, sizeof text, "%6llu", static_cast<unsigned long long>(random.Below(1000)));
  std::memcpy(f + 84, text, 6);
  f[90] = random.Below(2) ? 'T' : 'F';
  std::snprintf(text, sizeof text, "%04d%02d%02d", static_cast<int>(2000 + random.Below(27)),
                static_cast<int>(1 + random.Below(12)), static_cast<int>(1 + random.Below(28)));
  std::memcpy(f + 91, text, 8);
}

// Writes the header, `records` records whose bytes fill(record, i) sets
// (flag first), and the end mark.
BenchTable WriteTable(const std::string& path, const std::vector<BenchField>& fields, int64_t records,
                      const std::function<void(char* record, int64_t i)>& fill) {
  BenchTable table;
  table.path = path;
  table.records = records;
  table.headerSize = static_cast<uint16_t>(32 * (fields.size() + 1) + 1);
  table.recordLength = 1;
  for (const auto& f : fields) table.recordLength += f.length;

  std::vector<char> header(table.headerSize, '\0');
  header[0] = 3;
  header[1] = 126;
  header[2] = 12;
  header[3] = 6;
  PutLe(&header[4], static_cast<uint64_t>(records), 4);
  PutLe(&header[8], table.headerSize, 2);
  PutLe(&header[10], table.recordLength, 4);
  uint32_t offset = 1;
  for (size_t i = 0; i < fields.size(); ++i) {
    char* d = &header[32 + 32 * i];
    std::memcpy(d, fields[i].name.data(), fields[i].name.size());
    d[11] = fields[i].type;
    PutLe(d + 12, offset, 4);
    d[16] = static_cast<char>(fields[i].length);
    d[17] = static_cast<char>(fields[i].decimals);
    offset += fields[i].length;
  }
  header.back() = 0x0D;

  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) throw std::runtime_error("cannot create " + path);
  std::fwrite(header.data(), 1, header.size(), out);
  const int64_t perBlock = std::max<int64_t>((1 << 20) / table.recordLength, 1);
  std::vector<char> block(static_cast<size_t>(perBlock) * table.recordLength);
  for (int64_t i = 0; i < records; i += perBlock) {
    const int64_t n = std::min(perBlock, records - i);
    for (int64_t k = 0; k < n; ++k) fill(&block[k * table.recordLength], i + k);
    std::fwrite(block.data(), 1, static_cast<size_t>(n) * table.recordLength, out);
  }
  std::fputc(0x1A, out);
  if (std::fclose(out) != 0) throw std::runtime_error("cannot write " + path);
  table.fileSize = static_cast<int64_t>(table.headerSize) + records * table.recordLength + 1;
  return table;
}

}  // namespace

BenchTable WriteBenchTable(const std::string& path, int64_t records, int deletedEvery) {
  Random random{0x9E3779B97F4A7C15ULL};
  return WriteTable(path, BenchFields(), records,
                    [&](char* record, int64_t i) { FillRecord(record, i, random, deletedEvery); });
}

const std::vector<BenchField>& ManyFields() {
  static const std::vector<BenchField> fields = [] {
    constexpr int kFields = 2046;
    const BenchField kinds[] = {{"", 'C', 8, 0}, {"", 'N', 6, 2}, {"", 'L', 1, 0}, {"", 'D', 8, 0}};
    std::vector<BenchField> list;
    for (int i = 0; i < kFields; ++i) {
      BenchField f = kinds[i % 4];
      f.name = static_cast<char>('A' + i % 26) + std::to_string(i);
      list.push_back(f);
    }
    return list;
  }();
  return fields;
}

BenchTable WriteManyFieldsTable(const std::string& path, int64_t records) {
  Random random{0x2545F4914F6CDD1DULL};
  return WriteTable(path, ManyFields(), records, [&](char* record, int64_t i) {
    record[0] = i % 10 == 9 ? '*' : ' ';
    char* f = record + 1;
    char text[16];
    for (const BenchField& field : ManyFields()) {
      switch (field.type) {
        case 'C':
          for (int k = 0; k < field.length; ++k) f[k] = static_cast<char>('a' + random.Below(26));
          break;
        case 'N':
          std::snprintf(text, sizeof text, "%6.2f", static_cast<double>(random.Below(100000)) / 100.0 - 400.0);
          std::memcpy(f, text, field.length);
          break;
        case 'L':
          f[0] = random.Below(2) ? 'T' : 'F';
          break;
        default:
          std::snprintf(text, sizeof text, "%04d%02d%02d", static_cast<int>(2000 + random.Below(27)),
                        static_cast<int>(1 + random.Below(12)), static_cast<int>(1 + random.Below(28)));
          std::memcpy(f, text, field.length);
      }
      f += field.length;
    }
  });
}

void WalkEveryRecordAndField(const std::string& path) {
  dbf::Dbf2_lib db;
  db.DbfOpen(1, path);
  std::vector<std::string> names;
  for (const dbf::FieldNode* f = db.DbfFields(1); f; f = f->next) names.push_back(f->Name());
  db.DbfTop(1);
  while (!db.DbfEof(1)) {
    benchmark::DoNotOptimize(db.DbfIsDeleted(1));
    for (const std::string& name : names) benchmark::DoNotOptimize(db.DbfGetStr(1, name));
    db.DbfSkip(1, 1);
  }
  db.DbfCloseAll();
}

double ReadWholeFileSeconds(const std::string& path) {
  const auto start = std::chrono::steady_clock::now();
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  const auto size = static_cast<std::streamsize>(in.tellg());
  std::unique_ptr<char[]> bytes(new char[static_cast<size_t>(size)]);
  in.seekg(0);
  in.read(bytes.get(), size);
  const double seconds = SecondsSince(start);
  if (in.gcount() != size) throw std::runtime_error("short read of " + path);
  return seconds;
}

std::string FirstRecords(const std::string& path, int64_t count) {
  const std::string bytes = testsupport::ReadFile(path);
  const size_t start = testsupport::U16At(bytes, 8);
  const size_t length = testsupport::U16At(bytes, 10);
  return bytes.substr(start, std::min(bytes.size() - start, static_cast<size_t>(count) * length));
}

bool SameRecords(const std::string& a, const std::string& b) {
  const std::string first = testsupport::ReadFile(a);
  const std::string second = testsupport::ReadFile(b);
  if (first.size() < 32 || second.size() < 32) return false;
  return first.substr(testsupport::U16At(first, 8)) == second.substr(testsupport::U16At(second, 8));
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double SecondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return SecondsSince(start);
}

double CpuSeconds(const struct rusage& usage) {
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ProcessCpuSeconds() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return CpuSeconds(usage);
}

bool SameBytes(const std::string& a, const std::string& b) {
  std::ifstream in1(a, std::ios::binary);
  std::ifstream in2(b, std::ios::binary);
  std::vector<char> block1(1 << 16);
  std::vector<char> block2(1 << 16);
  while (in1 && in2) {
    in1.read(block1.data(), static_cast<std::streamsize>(block1.size()));
    in2.read(block2.data(), static_cast<std::streamsize>(block2.size()));
    if (in1.gcount() != in2.gcount() ||
        !std::equal(block1.begin(), block1.begin() + in1.gcount(), block2.begin())) {
      return false;
    }
  }
  return in1.eof() && in2.eof();
}

int64_t ProcStatusBytes(const char* key) {
  std::ifstream in("/proc/self/status");
  const std::string prefix = std::string(key) + ":";
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) == 0) return std::atoll(line.c_str() + prefix.size()) * 1024;
  }
  return -1;
}

bool ResetPeakMemory() {
  std::ofstream out("/proc/self/clear_refs");
  out << "5";
  out.flush();
  return static_cast<bool>(out);
}

double SafeCopySeconds(const std::string& from, const std::string& to) {
  const std::string staged = to + ".staged";
  return SecondsOf([&] {
    std::filesystem::copy_file(from, staged, std::filesystem::copy_options::overwrite_existing);
    const int fd = ::open(staged.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(staged.c_str(), to.c_str()) != 0) {
      throw std::runtime_error("cannot copy to " + to);
    }
  });
}

const BenchTable& SharedBenchTable(int64_t records, int deletedEvery) {
  static testsupport::TempDir dir;
  static std::map<std::pair<int64_t, int>, BenchTable> tables;
  auto key = std::make_pair(records, deletedEvery);
  auto found = tables.find(key);
  if (found == tables.end()) {
    std::string name = "bench-" + std::to_string(records) + "-" + std::to_string(deletedEvery) + ".dbf";
    found = tables.emplace(key, WriteBenchTable(dir.Path(name), records, deletedEvery)).first;
  }
  return found->second;
}

}  // namespace bench
