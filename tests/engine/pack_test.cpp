// Purging records in place or into a new file.
#include "engine_fixture.h"

#include <algorithm>
#include <random>

namespace {

// The file a purge of layout should leave: the records flagged blank, the end mark.
std::string Purged(TableLayout layout) {
  std::erase_if(layout.records, [](const std::string& r) { return r[0] != ' '; });
  layout.endMark = true;
  return TableBytes(layout);
}

class PackTest : public EngineTest {
 protected:
  // Purges `bytes` in place (then on record 1, named `first`) and from a read-only copy into a new file.
  void ExpectPurged(const std::string& bytes, const std::string& expected, const char* first = nullptr) {
    const std::string path = Write("t.dbf", bytes);
    db.DbfOpen(1, path);
    db.DbfPack(1);
    if (first) {
      EXPECT_EQ(db.DbfRecNo(1), 1);
      EXPECT_EQ(db.DbfStatus(1), dbf::kStatusDone);
      EXPECT_EQ(db.DbfGetStr(1, "NAME"), first);
    }
    db.DbfClose(1);
    EXPECT_TRUE(ReadFile(path) == expected);
    const std::string copy = Write("copy.dbf", bytes);
    db.DbfOpenForReading(9, copy), db.DbfPackInto(9, dir.Path("c.dbf")), db.DbfClose(9);
    EXPECT_TRUE(ReadFile(copy) == bytes);
    EXPECT_TRUE(ReadFile(dir.Path("c.dbf")) == expected);
  }
};

}  // namespace

TEST_F(PackTest, KeepsOnlyBlankFlaggedRecordsAndCutsWhatFollows) {
  const auto f = PeopleFields();
  TableLayout endsAtRecordOne{f, {"\x1A" + Record(f, {"A"}).substr(1), Record(f, {"B"}, true)}};
  const struct { const char* what; TableLayout layout; const char* tail; bool changes; const char* first; } cases[] = {
      {"mixed, a flag neither blank nor '*', a partial record after",
       {f, {Record(f, {"A"}, true), Record(f, {"B"}), "X" + Record(f, {"C"}).substr(1), Record(f, {"D"}),
            Record(f, {"E"}, true)}, true, 0x8B}, "partial", true, "B"},
      {"all live, gains the end mark", {f, {Record(f, {"A"}), Record(f, {"B"})}, false}, "", true, "A"},
      {"all deleted", {f, {Record(f, {"A"}, true), Record(f, {"B"}, true)}}, "", true, nullptr},
      {"no byte after the one record, which goes", {f, {Record(f, {"A"}, true)}, false}, "", true, nullptr},
      {"no records", {f, {}}, "", false, nullptr},
      {"the end mark over record 1's flag", endsAtRecordOne, "", false, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string bytes = TableBytes(c.layout) + c.tail;
    ExpectPurged(bytes, c.changes ? Purged(c.layout) : bytes, c.first);
  }
  EXPECT_EQ(Abort([&] { db.DbfPack(3); }).code, 4);

  // Told which records to keep, the purge into a new file keeps flagged ones too, flags blank.
  db.DbfOpenForReading(1, Write("p.dbf", TableBytes({f, {Record(f, {"A"}, true), Record(f, {"B"}), Record(f, {"C"}, true)}})));
  db.DbfPackInto(1, dir.Path("kept.dbf"), [](int64_t recNo, char) { return recNo != 2; });
  db.DbfClose(1);
  EXPECT_EQ(ReadFile(dir.Path("kept.dbf")), TableBytes({f, {Record(f, {"A"}), Record(f, {"C"})}}));
}

TEST_F(PackTest, InPlaceOrIntoANewFileGivesTheSameResultAcrossChunkBoundaries) {
  // 333 does not divide the 500000-byte chunk; a record of 521731 bytes is taken alone.
  std::mt19937 random(7);
  for (int length : {333, 40, 1, 521731}) {
    SCOPED_TRACE(length);
    std::vector<FieldSpec> f;
    for (int left = length - 1; left > 0; left -= 255) {
      f.push_back({"F" + std::to_string(f.size()), 'C', static_cast<uint8_t>(std::min(left, 255))});
    }
    TableLayout layout{f, {}};
    for (int i = 0; i < 500000 / length + 3; ++i) {
      std::string r(length, static_cast<char>('a' + i % 26));
      r[0] = random() % 3 == 0 ? '*' : ' ';
      layout.records.push_back(r);
    }
    ExpectPurged(TableBytes(layout), Purged(layout));
  }
}

// Purge and sort tell their steps, rising to the total, and stop when told.
TEST_F(EngineTest, LongOperationsTellTheirStepsAndStopWhenAsked) {
  auto f = PeopleFields();
  const std::string path = Write("t.dbf", TableLayout{f, {Record(f, {"B"}, true), Record(f, {"A"}), Record(f, {"C"})}});
  const std::string original = ReadFile(path);
  const std::function<void()> operations[] = {[&] { db.DbfOpen(1, path), db.DbfPack(1); }, [&] {
    db.DbfAssign(1, path), db.DbfAssign(2, dir.Path("out.dbf")), db.DbfSortInit(1), db.DbfSortAddKey("NAME", 1);
    db.DbfSortTo(1, 2);
  }};
  for (const auto& run : operations) {
    std::vector<std::pair<int64_t, int64_t>> steps;
    db.DbfOnStep([&](int64_t done, int64_t total) { return steps.emplace_back(done, total), true; });
    run();
    ASSERT_FALSE(steps.empty());
    EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()));
    EXPECT_TRUE(steps.back().first > 0 && steps.back().first <= steps.back().second);
    db.DbfCloseAll(), WriteFile(path, original);
    db.DbfOnStep([](int64_t, int64_t) { return false; });
    EXPECT_THROW(run(), dbf::Stopped);
    db.DbfCloseAll(), WriteFile(path, original);
  }
}
