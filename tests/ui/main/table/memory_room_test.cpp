// Reads that would not fit in memory are refused before they start, naming
// the file, its size and the memory there is; never ended part way by the
// system or by a failed allocation.
#include "main_window_fixture.h"
#include "memory_room.h"

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

using namespace testsupport;

namespace {

constexpr uint64_t kMegabyte = 1 << 20;

class MemoryRoomTest : public MainWindowTest {};

// The refusal's message, or "" when the read went through whole.
std::string RefusalOf(const std::string& path, uint64_t limit, std::string* bytes = nullptr) {
  try {
    const std::string read = ReadWholeWithin(path, limit);
    if (bytes) *bytes = read;
    return "";
  } catch (const std::runtime_error& e) {
    return e.what();
  }
}

TEST_F(MemoryRoomTest, ASourceIsReadWithinTheLimitAndRefusedBeyondIt) {
  const std::string small = dir.Path("small.csv");
  WriteFile(small, std::string(kMegabyte, 'a'));
  std::string bytes;
  EXPECT_EQ(RefusalOf(small, kMegabyte, &bytes), "");
  EXPECT_EQ(bytes, std::string(kMegabyte, 'a'));
  // A regular file past the limit is refused by its size: reading the
  // terabyte of this one would not end in a test's time.
  const std::string huge = dir.Path("huge.csv");
  WriteFile(huge, "a");
  std::filesystem::resize_file(huge, 1ull << 40);
  const struct {
    std::string path;
    uint64_t limit;
    std::string refusal;
  } cases[] = {
      {small, kMegabyte - 1, "Файл " + small + " не прочитан: в нем 1 МБ, а памяти на его чтение хватает на 1 МБ."},
      {huge, 4 * kMegabyte, "Файл " + huge + " не прочитан: в нем 1048576 МБ, а памяти на его чтение хватает на 4 МБ."},
      // A source of no known size that never ends is read up to the limit only.
      {"/dev/zero", 4 * kMegabyte,
       "Файл /dev/zero не прочитан: в нем больше 4 МБ, а памяти на его чтение хватает на 4 МБ."},
  };
  for (const auto& c : cases) EXPECT_EQ(RefusalOf(c.path, c.limit), c.refusal);
}

TEST_F(MemoryRoomTest, AnAddressSpaceLimitBoundsTheMemoryAvailable) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer reserves more address space than any limit leaves";
#else
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_AS, &old), 0);
  uint64_t pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  const uint64_t inUse = pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
  struct rlimit limited = old;
  limited.rlim_cur = inUse + 64 * kMegabyte;
  if (old.rlim_max != RLIM_INFINITY && old.rlim_max < limited.rlim_cur) GTEST_SKIP() << "a lower hard limit";
  ASSERT_EQ(setrlimit(RLIMIT_AS, &limited), 0);
  const uint64_t available = AvailableMemory();
  setrlimit(RLIMIT_AS, &old);
  EXPECT_LE(available, 64 * kMegabyte);
  EXPECT_GT(AvailableMemory(), available);
#endif
}

TEST_F(MemoryRoomTest, ATableLargerThanTheMemoryIsRefusedBeforeReading) {
  const std::string shown = WritePeople();
  OpenFromMenu(shown);
  // A billion records of 251 bytes: a sparse file of 251 GB, more than
  // any test machine has memory for.
  const std::vector<FieldSpec> fields{{"TEXT", 'C', 250}};
  TableLayout layout{fields, {}};
  layout.endMark = false;
  layout.headerRecordCount = 1000000000;
  const std::string huge = dir.Path("huge.dbf");
  WriteFile(huge, TableBytes(layout));
  const uint64_t size = std::filesystem::file_size(huge) + 251ull * 1000000000;
  std::filesystem::resize_file(huge, size);
  dialogs.messages.clear();
  OpenFromMenu(huge);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  const std::string prefix = "Таблица " + huge + " не открыта: в ней " +
                             std::to_string((size + kMegabyte - 1) / kMegabyte) + " МБ, а свободной памяти ";
  EXPECT_EQ(dialogs.messages[0].rfind(prefix, 0), 0u) << dialogs.messages[0];
  EXPECT_EQ(form->Table().TablePath(), shown);  // the table shown stays
}

}  // namespace
