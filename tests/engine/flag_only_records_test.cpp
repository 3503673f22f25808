// Tables whose records are the flag byte alone (record length 1, every field
// of length 0): the end mark 0x1A after the last record could be one more
// such record. Count, walk, close, append, sort and purge must all leave it
// out, and a table without the end mark keeps every byte as a record.
#include "engine_fixture.h"

#include "dbf_header.h"

namespace {

// One record per byte of `flags`; `count` records the engine must see.
struct FlagOnlyCase { const char* name; std::string flags; bool endMark; int64_t count; };

const std::vector<FlagOnlyCase>& Cases() {
  static const std::vector<FlagOnlyCase> cases = {
      {"records and the end mark", " * ", true, 3},
      {"only the end mark", "", true, 0},
      {"records without the end mark", " * ", false, 3},
      {"the last record deleted, then the end mark", "  *", true, 3},
  };
  return cases;
}

class FlagOnlyRecordsTest : public EngineTest {
 protected:
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

  // The grid's walk: record numbers, '*' for those marked deleted.
  std::vector<std::string> Walk() {
    std::vector<std::string> seen;
    db.DbfTop(1);
    while (!db.DbfEof(1) && seen.size() < 10) {
      const bool deleted = db.DbfIsDeleted(1);
      seen.push_back(std::to_string(db.DbfRecNo(1)) + (deleted ? "*" : ""));
      db.DbfSkip(1, 1);
    }
    return seen;
  }

  static std::vector<std::string> Expected(const FlagOnlyCase& c) {
    std::vector<std::string> expected;
    for (int64_t n = 1; n <= c.count; ++n) {
      expected.push_back(std::to_string(n) + (c.flags[n - 1] == '*' ? "*" : ""));
    }
    return expected;
  }
};

}  // namespace

TEST_F(FlagOnlyRecordsTest, CountWalkAndCloseLeaveTheEndMarkOut) {
  for (const FlagOnlyCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const std::string path = Write("t.dbf", Bytes(c));
    db.DbfOpen(1, path);
    ASSERT_EQ(db.DbfRecordLength(1), 1u);
    EXPECT_EQ(db.DbfRecCount(1), c.count);
    EXPECT_EQ(Walk(), Expected(c));
    db.DbfClose(1);
    EXPECT_EQ(U32At(ReadFile(path), 4), c.count);
  }
}

TEST_F(FlagOnlyRecordsTest, AppendWritesOverTheEndMark) {
  for (const FlagOnlyCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const std::string path = Write("t.dbf", Bytes(c));
    db.DbfOpen(1, path);
    db.DbfBlank(1);
    db.DbfAppend(1);
    EXPECT_EQ(db.DbfRecNo(1), c.count + 1);
    db.DbfClose(1);
    EXPECT_EQ(ReadFile(path), WithRecords(c, c.flags + " "));
  }
}

TEST_F(FlagOnlyRecordsTest, SortCopiesOnlyTheRecords) {
  for (const FlagOnlyCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const std::string source = Write("t.dbf", Bytes(c));
    PrepareSort(source, dir.Path("sorted.dbf"));
    db.DbfSortAddKey("NOTE", 1);  // length 0: no key, the file order stays
    ASSERT_EQ(db.DbfSortTo(1, 2), dbf::SortOutcome::Sorted);
    EXPECT_EQ(db.DbfStatus(1), c.count == 0 ? dbf::kStatusNoRecords : dbf::kStatusDone);
    EXPECT_EQ(ReadFile(dir.Path("sorted.dbf")), WithRecords(c, c.flags));
    EXPECT_EQ(U32At(ReadFile(source), 4), c.count);
  }
}

TEST_F(FlagOnlyRecordsTest, PurgeKeepsTheLiveRecordsAndOneEndMark) {
  for (const FlagOnlyCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const std::string path = Write("t.dbf", Bytes(c));
    db.DbfOpen(1, path);
    db.DbfPack(1);
    db.DbfClose(1);
    std::string live = c.flags;
    std::erase(live, '*');
    EXPECT_EQ(ReadFile(path), c.count == 0 ? Bytes(c) : WithRecords(c, live));
  }
}
