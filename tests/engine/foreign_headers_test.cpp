// Tables from other writers: an area after the header's terminator, character fields over 255.
#include "engine_fixture.h"

#include "dbf_header.h"

#include <functional>

namespace {

std::vector<FieldSpec> FourFields() {
  return {{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}, {"DAY", 'D', 8}};
}

// As FoxPro-family writers lay it out: 263 zero bytes after the terminator, in the header size.
std::string WithAreaAfterTerminator(TableLayout layout) {
  layout.version = 0x30;
  layout.afterTerminator = std::string(263, '\0');
  return TableBytes(layout);
}

// A record of ID N(3) and NOTE C(300).
std::string WideRecord(const std::string& id, const std::string& note) {
  return " " + std::string(3 - id.size(), ' ') + id + note + std::string(300 - note.size(), ' ');
}

// NOTE(300) as one such writer stores it: length byte 44, decimals byte 1.
TableLayout WideTable(std::vector<std::string> records) {
  TableLayout layout{{{"ID", 'N', 3}, {"NOTE", 'C', 44, 1}}, std::move(records)};
  layout.recordLengthOverride = 1 + 3 + 300;
  return layout;
}

}  // namespace

TEST(CountFieldDescriptors, EndsAtTheTerminatorOrTheBytesGiven) {
  const auto f = FourFields();
  const std::string standard = TableBytes({f, {}});
  EXPECT_EQ(dbf::CountFieldDescriptors(standard.data(), standard.size()), 4);
  const std::string fox = WithAreaAfterTerminator({f, {}});
  ASSERT_EQ(U16At(fox, 8), 424);
  EXPECT_EQ(dbf::CountFieldDescriptors(fox.data(), fox.size()), 4);
  // Only whole descriptors inside the bytes given; none without a header size.
  EXPECT_EQ(dbf::CountFieldDescriptors(standard.data(), 32 + 2 * 32 + 31), 2);
  EXPECT_EQ(dbf::CountFieldDescriptors(standard.data(), 9), 0);
  std::string small = standard;
  small[8] = 31;
  small[9] = 0;
  EXPECT_EQ(dbf::CountFieldDescriptors(small.data(), small.size()), 0);
}

TEST_F(EngineTest, AreaAfterTerminatorAddsNoFieldsAndRecordsStartAtTheHeaderSize) {
  const auto f = FourFields();
  const std::string path = Write("fox.dbf", WithAreaAfterTerminator(
                                                {f, {Record(f, {"Ann", "   12.50", "T", "20240131"}),
                                                     Record(f, {"Bob", "    3.00", "F", "20231201"}, true)}}));
  db.DbfOpen(1, path);
  EXPECT_EQ(db.DbfFieldCount(1), 4);
  EXPECT_EQ(db.DbfHeaderSize(1), 424);
  EXPECT_EQ(db.DbfRecCount(1), 2);
  EXPECT_EQ(db.DbfGetStr(1, "DAY"), "20240131");
  EXPECT_DOUBLE_EQ(db.DbfGetNum(1, "SUM"), 12.5);

  // Rewritten as a save does: the area stays, the records follow it.
  db.DbfZap(1);
  db.DbfAppendBlank(1);
  db.DbfPutStr(1, "Cid", "NAME");
  db.DbfPutNum(1, -1.25, "SUM");
  db.DbfWriteBuffer(1);
  db.DbfClose(1);
  const std::string bytes = ReadFile(path);
  ASSERT_EQ(bytes.size(), 424u + 28 + 1);
  EXPECT_EQ(bytes.substr(161, 263), std::string(263, '\0'));
  EXPECT_EQ(bytes.substr(424, 19), " Cid          -1.25");
  EXPECT_EQ(U32At(bytes, 4), 1u);
}

TEST_F(EngineTest, FieldsAddedToOrDeletedFromSuchATableFollowTheLastDescriptor) {
  const struct { const char* what; std::function<bool()> change; int fields; uint32_t recordLength; } changes[] = {
      {"added", [&] { return db.DbfAddField(1, "EXTRA", 'C', 5, 0); }, 5, 1 + 10 + 8 + 1 + 8 + 5},
      {"deleted", [&] { return db.DbfDeleteField(1, "ok"), true; }, 3, 1 + 10 + 8 + 8},
  };
  for (const auto& c : changes) {
    SCOPED_TRACE(c.what);
    const std::string path = Write("fox.dbf", WithAreaAfterTerminator({FourFields(), {}}));
    db.DbfAssign(1, path);
    ASSERT_TRUE(c.change());
    const std::string bytes = ReadFile(path);
    EXPECT_EQ(U16At(bytes, 8), 32 * (c.fields + 1) + 1);
    EXPECT_EQ(U32At(bytes, 10), c.recordLength);
    EXPECT_EQ(bytes.size(), 32u * (c.fields + 1) + 2);
    db.DbfOpen(1, path);
    EXPECT_EQ(db.DbfFieldCount(1), c.fields);
    db.DbfClose(1);
  }
}

TEST_F(EngineTest, WideCharacterFieldReadsWritesAndSortsOnAllItsBytes) {
  // The two notes differ only past byte 256 of the field.
  const std::string tail = std::string(280, 'x') + "0123456789";
  const std::string path = Write("wide.dbf", WideTable({WideRecord("1", tail + "z"), WideRecord("2", tail + "b")}));
  PrepareSort(path, dir.Path("sorted.dbf"), "NOTE");
  ASSERT_EQ(db.DbfSortKeys().at(0).length, 300);
  ASSERT_EQ(db.DbfSortTo(1, 2), dbf::SortOutcome::Sorted);
  EXPECT_EQ(ReadFile(dir.Path("sorted.dbf")), TableBytes(WideTable({WideRecord("2", tail + "b"), WideRecord("1", tail + "z")})));
  db.DbfOpen(1, path);
  EXPECT_EQ(Fields(1), (std::vector<std::string>{"ID N 3.0 @1", "NOTE C 300.0 @4"}));
  EXPECT_EQ(db.DbfGetStr(1, "NOTE"), tail + "z");

  // Saving a record keeps every byte of the field.
  db.DbfGo(1, 2);
  db.DbfPutStr(1, std::string(299, 'y') + "z", "NOTE");
  db.DbfWriteBuffer(1);
  db.DbfClose(1);
  const std::string bytes = ReadFile(path);
  EXPECT_EQ(bytes.substr(bytes.size() - 301, 300), std::string(299, 'y') + "z");

  // Deleting the other field keeps the wide one readable.
  db.DbfDeleteField(1, "ID");
  db.DbfOpen(1, path);
  EXPECT_EQ(db.DbfRecordLength(1), 301u);
  EXPECT_EQ(Fields(1), std::vector<std::string>{"NOTE C 300.0 @1"});
}

TEST_F(EngineTest, DecimalsOfCharacterFieldsStayDecimalsWhenThePlainLengthsAddUp) {
  // The plain lengths already make the record length: the byte is decimals.
  TableLayout plain{{{"A", 'C', 10, 2}, {"N", 'N', 5, 1}}, {}};
  db.DbfOpen(1, Write("plain.dbf", plain));
  EXPECT_EQ(Fields(1), (std::vector<std::string>{"A C 10.2 @1", "N N 5.1 @11"}));
  // Only C fields are read wide: a numeric field's decimals never add length.
  TableLayout numeric{{{"N", 'N', 44, 1}}, {" " + std::string(300, '1')}};
  numeric.recordLengthOverride = 301;
  db.DbfOpen(2, Write("numeric.dbf", numeric));
  EXPECT_EQ(Fields(2), std::vector<std::string>{"N N 44.1 @1"});
}
