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

// A table whose rows would not fit the memory left (its rows in the grid
// take more than the file) is refused before anything is read, naming its
// size, and the table shown stays.
TEST_F(MemoryRoomTest, ATableIsRefusedBeforeReadingWhenItsRowsWouldNotFitTheMemoryLeft) {
  const std::string shown = WritePeople();
  const struct {
    uint32_t records;
    uint16_t length;  // of a record, all of one text field
    uint64_t room;    // of address space left; 0: no limit set
    bool opens;
  } cases[] = {{600000, 100, 96 * kMegabyte, true}, {900000, 100, 96 * kMegabyte, false}, {1000000000, 251, 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.records);
#if defined(__SANITIZE_ADDRESS__)
    if (c.room) continue;  // the address sanitizer reserves more address space than any limit leaves
#endif
    // Records all zero: a sparse file, written at once.
    TableLayout layout{{{"TEXT", 'C', static_cast<uint8_t>(c.length - 1)}}, {}};
    layout.endMark = false;
    layout.headerRecordCount = c.records;
    const std::string path = dir.Path("table" + std::to_string(c.records) + ".dbf");
    WriteFile(path, TableBytes(layout));
    const uint64_t size = std::filesystem::file_size(path) + uint64_t{c.length} * c.records;
    std::filesystem::resize_file(path, size);
    OpenFromMenu(shown);
    dialogs.messages.clear();
    {
      AddressSpaceRoom room;
      if (c.room && !room.Set(c.room)) GTEST_SKIP() << "a lower hard limit";
      OpenFromMenu(path);
    }
    if (c.opens) {
      EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front();
      EXPECT_EQ(form->Controls().StringGrid1->RowCount(), static_cast<int>(c.records) + 1);
    } else {
      ASSERT_EQ(dialogs.messages.size(), 1u);
      const std::string prefix = "Таблица " + path + " не открыта: в ней " +
                                 std::to_string((size + kMegabyte - 1) / kMegabyte) + " МБ, а свободной памяти ";
      EXPECT_EQ(dialogs.messages[0].rfind(prefix, 0), 0u) << dialogs.messages[0];
      EXPECT_EQ(form->Table().TablePath(), shown);
    }
  }
}

}  // namespace
