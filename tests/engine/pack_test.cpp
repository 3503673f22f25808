// Purging records in place: which records stay, the end mark, what is cut
// off, and the same result whatever the chunk boundaries.
#include "engine_fixture.h"

#include <random>

using testsupport::FieldSpec;
using testsupport::ReadFile;
using testsupport::Record;
using testsupport::TableBytes;
using testsupport::TableSpec;
using testsupport::U32At;

namespace {

// The file a purge should leave: the header, the records flagged blank, the end mark.
std::string Purged(TableSpec spec) {
  std::vector<std::string> live;
  for (const auto& r : spec.records) {
    if (r[0] == ' ') live.push_back(r);
  }
  spec.records = live;
  spec.endMark = true;
  std::string bytes = TableBytes(spec);
  return bytes;
}

// Header bytes of `bytes` with the record count of `original` (a purge does not
// touch the header while the slot is open).
std::string WithCountOf(std::string bytes, const std::string& original) {
  std::copy(original.begin() + 4, original.begin() + 8, bytes.begin() + 4);
  return bytes;
}

}  // namespace

TEST_F(EngineTest, PackKeepsOnlyBlankFlaggedRecordsAndCutsWhatFollows) {
  auto f = PeopleFields();
  TableSpec spec{f,
                 {Record(f, {"A"}, true), Record(f, {"B"}), std::string("X") + Record(f, {"C"}).substr(1),
                  Record(f, {"D"}), Record(f, {"E"}, true)}};
  spec.version = 0x8B;
  std::string bytes = TableBytes(spec) + "partial";
  const std::string path = Write("t.dbf", bytes);
  db.DbfOpen(1, path);
  db.DbfPack(1);
  EXPECT_EQ(ReadFile(path), WithCountOf(Purged(spec), bytes));
  EXPECT_EQ(db.DbfRecNo(1), 1);
  EXPECT_EQ(db.DbfStatus(1), dbf::kStatusDone);
  EXPECT_EQ(db.DbfGetStr(1, "NAME"), "B");
  db.DbfClose(1);
  EXPECT_EQ(U32At(ReadFile(path), 4), 2u);
}

TEST_F(EngineTest, PackOfAllLiveOrAllDeletedRecords) {
  auto f = PeopleFields();
  TableSpec live{f, {Record(f, {"A"}), Record(f, {"B"})}, false};
  const std::string path = Write("live.dbf", live);
  db.DbfOpen(1, path);
  db.DbfPack(1);  // the missing end mark is added
  EXPECT_EQ(ReadFile(path), TableBytes(TableSpec{f, live.records}));

  TableSpec dead{f, {Record(f, {"A"}, true), Record(f, {"B"}, true)}};
  const std::string path2 = Write("dead.dbf", dead);
  db.DbfOpen(2, path2);
  db.DbfPack(2);
  EXPECT_EQ(db.DbfStatus(2), dbf::kStatusEof);
  db.DbfClose(2);
  EXPECT_EQ(ReadFile(path2), TableBytes(TableSpec{f, {}}));
}

TEST_F(EngineTest, PackLeavesAFileWithoutASecondRecordOrEndedAtRecordOne) {
  auto f = PeopleFields();
  const std::string one = TableBytes(TableSpec{f, {Record(f, {"A"}, true)}, false});
  const std::string path = Write("one.dbf", one);
  db.DbfOpen(1, path);
  db.DbfPack(1);
  EXPECT_EQ(ReadFile(path), one);

  std::string marked = TableBytes(TableSpec{f, {Record(f, {"A"}), Record(f, {"B"}, true)}});
  marked[129] = 0x1A;
  const std::string path2 = Write("marked.dbf", marked);
  db.DbfOpen(2, path2);
  db.DbfPack(2);
  EXPECT_EQ(ReadFile(path2), marked);
  EXPECT_EQ(Abort([&] { db.DbfPack(3); }).code, 4);
}

TEST_F(EngineTest, PackGivesTheSameResultAcrossChunkBoundaries) {
  // 333 does not divide the 500000-byte chunk; records larger than a chunk
  // are taken one at a time.
  std::mt19937 random(7);
  for (int length : {333, 40, 1}) {
    std::vector<FieldSpec> f = {{"V", 'C', static_cast<uint8_t>(length == 1 ? 1 : 200)}};
    if (length == 333) f.push_back({"W", 'C', 132});
    if (length == 40) f = {{"V", 'C', 39}};
    if (length == 1) f = {};
    TableSpec spec{f, {}};
    const int64_t count = 500000 / testsupport::RecordLength(f) + 1000;
    for (int64_t i = 0; i < count; ++i) {
      std::string r(testsupport::RecordLength(f), static_cast<char>('a' + i % 26));
      r[0] = random() % 3 == 0 ? '*' : ' ';
      spec.records.push_back(r);
    }
    const std::string path = Write("big" + std::to_string(length) + ".dbf", spec);
    db.DbfOpen(1, path);
    const std::string bytes = ReadFile(path);
    db.DbfPack(1);
    EXPECT_TRUE(ReadFile(path) == WithCountOf(Purged(spec), bytes)) << length;
    db.DbfClose(1);
  }

  std::vector<FieldSpec> huge;
  for (int i = 0; i < 2046; ++i) huge.push_back({"F" + std::to_string(i), 'C', 255});
  TableSpec spec{huge, {Record(huge, {"a"}, true), Record(huge, {"b"}), Record(huge, {"c"}, true),
                        Record(huge, {"d"})}};
  // The table builder writes two bytes of record length; the engine reads four.
  std::string bytes = TableBytes(spec);
  bytes[12] = static_cast<char>(testsupport::RecordLength(huge) >> 16);
  const std::string path = Write("huge.dbf", bytes);
  db.DbfOpen(1, path);
  db.DbfPack(1);
  std::string expected = Purged(spec);
  expected[12] = bytes[12];
  EXPECT_TRUE(ReadFile(path) == WithCountOf(expected, bytes));
}
