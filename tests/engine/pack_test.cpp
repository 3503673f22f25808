// Purging records in place: which records stay, the end mark, what is cut
// off, and the same result whatever the chunk boundaries.
#include "engine_fixture.h"

#include <algorithm>
#include <random>

namespace {

// The file a purge of `original` (built from layout) should leave: its header,
// the records flagged blank, the end mark.
std::string Purged(TableLayout layout, const std::string& original) {
  std::erase_if(layout.records, [](const std::string& r) { return r[0] != ' '; });
  layout.endMark = true;
  return original.substr(0, 8) + TableBytes(layout).substr(8, std::string::npos);
}

// What the purge into a new file writes from `source`, opened for reading,
// which it leaves as it was.
std::string PackedInto(dbf::Dbf2_lib& db, const std::string& source, const std::string& target) {
  const std::string before = ReadFile(source);
  db.DbfOpenForReading(9, source), db.DbfPackInto(9, target), db.DbfClose(9);
  EXPECT_TRUE(ReadFile(source) == before);
  return ReadFile(target);
}

}  // namespace

// In place or into a new file alike.
TEST_F(EngineTest, PackKeepsOnlyBlankFlaggedRecordsAndCutsWhatFollows) {
  auto f = PeopleFields();
  TableLayout layout{f,
                 {Record(f, {"A"}, true), Record(f, {"B"}), std::string("X") + Record(f, {"C"}).substr(1),
                  Record(f, {"D"}), Record(f, {"E"}, true)}};
  layout.version = 0x8B;
  std::string bytes = TableBytes(layout) + "partial";
  const std::string path = Write("t.dbf", bytes);
  db.DbfOpen(1, path);
  db.DbfPack(1);
  EXPECT_EQ(ReadFile(path), Purged(layout, bytes));
  EXPECT_EQ(db.DbfRecNo(1), 1);
  EXPECT_EQ(db.DbfStatus(1), dbf::kStatusDone);
  EXPECT_EQ(db.DbfGetStr(1, "NAME"), "B");
  db.DbfClose(1);
  EXPECT_EQ(U32At(ReadFile(path), 4), 2u);
  EXPECT_EQ(PackedInto(db, Write("copy.dbf", bytes), dir.Path("c.dbf")), ReadFile(path));

  // Told which records to keep, the purge into a new file keeps flagged ones
  // too, their flags blank.
  const TableLayout people{f, {Record(f, {"A"}, true), Record(f, {"B"}), Record(f, {"C"}, true)}};
  db.DbfOpenForReading(1, Write("p.dbf", TableBytes(people)));
  db.DbfPackInto(1, dir.Path("kept.dbf"), [](int64_t recNo, char) { return recNo != 2; });
  db.DbfClose(1);
  const TableLayout kept{f, {Record(f, {"A"}), Record(f, {"C"})}, true};
  EXPECT_EQ(ReadFile(dir.Path("kept.dbf")), TableBytes(kept));
}

TEST_F(EngineTest, PackOfAllLiveOrAllDeletedRecordsAndFilesItLeavesAlone) {
  auto f = PeopleFields();
  std::string endsAtRecordOne = TableBytes(TableLayout{f, {Record(f, {"A"}), Record(f, {"B"}, true)}});
  endsAtRecordOne[129] = 0x1A;
  const std::vector<std::pair<TableLayout, bool>> cases = {
      {{f, {Record(f, {"A"}), Record(f, {"B"})}, false}, true},  // gains the end mark
      {{f, {Record(f, {"A"}, true), Record(f, {"B"}, true)}}, true},
      {{f, {Record(f, {"A"}, true)}, false}, true},  // no byte after record 1, which goes too
      {{f, {}}, false},
  };
  int n = 0;
  for (const auto& [layout, changes] : cases) {
    const std::string bytes = TableBytes(layout);
    const std::string path = Write("t" + std::to_string(++n) + ".dbf", bytes);
    db.DbfOpen(1, path);
    db.DbfPack(1);
    EXPECT_EQ(ReadFile(path), changes ? Purged(layout, bytes) : bytes) << n;
    db.DbfClose(1);
    EXPECT_EQ(PackedInto(db, Write("copy.dbf", bytes), dir.Path("c.dbf")), ReadFile(path)) << n;
  }
  const std::string path = Write("mark.dbf", endsAtRecordOne);
  db.DbfOpen(2, path);
  db.DbfPack(2);
  EXPECT_EQ(ReadFile(path), endsAtRecordOne);
  EXPECT_EQ(Abort([&] { db.DbfPack(3); }).code, 4);
}

TEST_F(EngineTest, PackInPlaceOrIntoANewFileGivesTheSameResultAcrossChunkBoundaries) {
  // 333 does not divide the 500000-byte chunk; a record of 521731 bytes is
  // larger than a chunk and is taken alone.
  std::mt19937 random(7);
  for (int length : {333, 40, 1, 521731}) {
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
    const std::string bytes = TableBytes(layout);
    const std::string path = Write("big.dbf", bytes);
    db.DbfOpen(1, path);
    db.DbfPack(1);
    EXPECT_TRUE(ReadFile(path) == Purged(layout, bytes)) << length;
    db.DbfClose(1);
    EXPECT_TRUE(PackedInto(db, Write("copy.dbf", bytes), dir.Path("c.dbf")) == ReadFile(path)) << length;
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
