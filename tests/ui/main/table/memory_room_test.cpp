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

// Leaves the process `room` bytes of address space beyond what it takes now,
// until it goes; Set() is false where a lower hard limit does not allow it.
class AddressSpaceRoom {
 public:
  AddressSpaceRoom() { getrlimit(RLIMIT_AS, &old_); }
  ~AddressSpaceRoom() { setrlimit(RLIMIT_AS, &old_); }
  bool Set(uint64_t room) {
    uint64_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    struct rlimit limited = old_;
    limited.rlim_cur = pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE)) + room;
    if (old_.rlim_max != RLIM_INFINITY && old_.rlim_max < limited.rlim_cur) return false;
    return setrlimit(RLIMIT_AS, &limited) == 0;
  }

 private:
  struct rlimit old_ {};
};

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
  uint64_t available = 0;
  {
    AddressSpaceRoom room;
    if (!room.Set(64 * kMegabyte)) GTEST_SKIP() << "a lower hard limit";
    available = AvailableMemory();
  }
  EXPECT_LE(available, 64 * kMegabyte);
  EXPECT_GT(AvailableMemory(), available);
#endif
}

// With 96 MB of address space left, a table of 60 MB opens whole, and one of
// 90 MB, whose rows in the grid take more than the file, is refused before
// anything is read, instead of failing part way.
TEST_F(MemoryRoomTest, WhatOpeningTakesBesideTheFileCountsAgainstTheMemoryLeft) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer reserves more address space than any limit leaves";
#else
  const struct {
    uint32_t records;
    bool opens;
  } cases[] = {{600000, true}, {900000, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.records);
    // Records of 100 bytes, all zero: a sparse file, written at once.
    TableLayout layout{{{"TEXT", 'C', 99}}, {}};
    layout.endMark = false;
    layout.headerRecordCount = c.records;
    const std::string path = dir.Path("table" + std::to_string(c.records) + ".dbf");
    const std::string header = TableBytes(layout);
    WriteFile(path, header);
    std::filesystem::resize_file(path, header.size() + 100ull * c.records);
    dialogs.messages.clear();
    {
      AddressSpaceRoom room;
      if (!room.Set(96 * kMegabyte)) GTEST_SKIP() << "a lower hard limit";
      OpenFromMenu(path);
    }
    if (c.opens) {
      EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front();
      EXPECT_EQ(form->Controls().StringGrid1->RowCount(), static_cast<int>(c.records) + 1);
    } else {
      ASSERT_EQ(dialogs.messages.size(), 1u);
      EXPECT_EQ(dialogs.messages[0].rfind("Таблица " + path + " не открыта: в ней 86 МБ, а свободной памяти ", 0), 0u)
          << dialogs.messages[0];
      EXPECT_NE(form->Table().TablePath(), path);
    }
  }
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
