// Records of the flag byte alone: the end mark 0x1A after them could pass for one more record.
#include "engine_fixture.h"

#include "dbf_header.h"

namespace {

// One record per byte of `flags`, each of which the engine must see.
struct FlagOnlyCase { const char* name; std::string flags; bool endMark; };

std::string Bytes(const FlagOnlyCase& c) {
  TableLayout layout{{{"NOTE", 'C', 0}}, {}, c.endMark};
  for (char flag : c.flags) layout.records.emplace_back(1, flag);
  return TableBytes(layout);
}

// The file as a table of these flags: header, the flags, the end mark.
std::string WithRecords(const FlagOnlyCase& c, const std::string& flags) {
  std::string bytes = Bytes(c).substr(0, 32 + 32 + 1) + flags + '\x1A';  // header, NOTE, terminator
  dbf::PutU32(bytes.data() + 4, static_cast<uint32_t>(flags.size()));
  return bytes;
}

}  // namespace

TEST_F(EngineTest, FlagOnlyRecordsLeaveTheEndMarkOutOfCountWalkCloseAppendSortAndPurge) {
  const FlagOnlyCase cases[] = {
      {"records and the end mark", " * ", true},
      {"only the end mark", "", true},
      {"records without the end mark", " * ", false},
      {"the last record deleted, then the end mark", "  *", true},
  };
  for (const FlagOnlyCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto count = static_cast<int64_t>(c.flags.size());
    std::vector<std::string> walk;
    for (size_t n = 1; n <= c.flags.size(); ++n) walk.push_back(std::to_string(n) + (c.flags[n - 1] == '*' ? "*" : ""));
    const std::string path = Write("t.dbf", Bytes(c));
    db.DbfOpen(1, path);
    ASSERT_EQ(db.DbfRecordLength(1), 1u);
    EXPECT_EQ(db.DbfRecCount(1), count);
    EXPECT_EQ(Walk(), walk);
    db.DbfClose(1);
    EXPECT_EQ(U32At(ReadFile(path), 4), count);

    // Sorting copies only the records; a key of length 0 keeps the file order.
    PrepareSort(Write("t.dbf", Bytes(c)), dir.Path("sorted.dbf"), "NOTE");
    ASSERT_EQ(db.DbfSortTo(1, 2), dbf::SortOutcome::Sorted);
    EXPECT_EQ(db.DbfStatus(1), count == 0 ? dbf::kStatusNoRecords : dbf::kStatusDone);
    EXPECT_EQ(ReadFile(dir.Path("sorted.dbf")), WithRecords(c, c.flags));
    EXPECT_EQ(U32At(ReadFile(path), 4), count);

    // Purging keeps the live records and one end mark.
    db.DbfOpen(1, Write("t.dbf", Bytes(c)));
    db.DbfPack(1);
    db.DbfClose(1);
    std::string live = c.flags;
    std::erase(live, '*');
    EXPECT_EQ(ReadFile(path), count == 0 ? Bytes(c) : WithRecords(c, live));

    // Appending writes over the end mark.
    db.DbfOpen(1, Write("t.dbf", Bytes(c)));
    db.DbfBlank(1);
    db.DbfAppend(1);
    EXPECT_EQ(db.DbfRecNo(1), count + 1);
    db.DbfClose(1);
    EXPECT_EQ(ReadFile(path), WithRecords(c, c.flags + " "));
  }
}
