// Creating tables, adding and deleting fields, copying a structure and
// removing all records, checked byte by byte.
#include "engine_fixture.h"

#include <filesystem>

using testsupport::FieldSpec;
using testsupport::ReadFile;
using testsupport::Record;
using testsupport::TableBytes;
using testsupport::TableSpec;
using testsupport::U16At;
using testsupport::U32At;

namespace {

std::string Hex(const std::string& bytes) {
  std::string out;
  char b[4];
  for (unsigned char c : bytes) {
    std::snprintf(b, sizeof b, "%02X ", c);
    out += b;
  }
  return out;
}

// Three people, the second marked deleted; version, date and reserved bytes
// as another program might leave them.
TableSpec Foreign() {
  auto f = PeopleFields();
  TableSpec spec{f, {Record(f, {"A", "1"}), Record(f, {"B", "2"}, true), Record(f, {"C", "3"})}};
  spec.version = 0x83;
  spec.headerRecordCount = 100;
  return spec;
}

std::string WithReservedBytes(std::string bytes) {
  for (int i = 14; i < 32; ++i) bytes[i] = static_cast<char>(i);
  return bytes;
}

}  // namespace

TEST_F(EngineTest, CreateWritesAnEmptyTableOrRefusesAnUnknownKind) {
  const std::string path = dir.Path("new.dbf");
  db.DbfCreate(1, 2, path);
  EXPECT_EQ(Hex(ReadFile(path)),
            "03 01 01 01 00 00 00 00 21 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
            "00 00 00 00 00 0D 1A ");
  EXPECT_FALSE(db.DbfIsOpen(1));
  db.DbfOpen(1, path);
  EXPECT_EQ(db.DbfStatus(1), dbf::kStatusEof);
  EXPECT_EQ(db.DbfFieldCount(1), 0);

  const std::string bad = Write("bad.dbf", TableBytes(Foreign()));
  auto abort = Abort([&] { db.DbfCreate(2, 3, bad); });
  EXPECT_EQ(abort.message, " Ошибка 7 : Тип при созании   2-го Файла указан не верно. ");
  EXPECT_EQ(ReadFile(bad), "");
  EXPECT_FALSE(db.DbfIsOpen(1));  // the error closed every slot
}

TEST_F(EngineTest, AddedFieldsBuildTheHeaderAndTheTableTakesRecords) {
  const std::string path = dir.Path("new.dbf");
  db.DbfCreate(1, 2, path);
  EXPECT_TRUE(db.DbfAddField(1, "NAMEOFTHEPERSON", 'C', 10, 0));
  EXPECT_TRUE(db.DbfAddField(1, "SUM", 'N', 8, 2));
  std::string bytes = ReadFile(path);
  ASSERT_EQ(bytes.size(), 98u);
  EXPECT_EQ(U32At(bytes, 4), 0u);
  EXPECT_EQ(U16At(bytes, 8), 97);
  EXPECT_EQ(U32At(bytes, 10), 19u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x03\x01\x01\x01", 4));
  EXPECT_EQ(bytes.substr(32, 11), std::string("NAMEOFTHEP\0", 11));
  EXPECT_EQ(bytes[43], 'C');
  EXPECT_EQ(U32At(bytes, 44), 1u);
  EXPECT_EQ(bytes.substr(64, 4), std::string("SUM\0", 4));
  EXPECT_EQ(U32At(bytes, 76), 11u);
  EXPECT_EQ(bytes[80], 8);
  EXPECT_EQ(bytes[81], 2);
  EXPECT_EQ(bytes.substr(82, 14), std::string(14, '\0'));
  EXPECT_EQ(bytes.substr(96), "\x0D\x1A");

  db.DbfOpen(1, path);
  db.DbfBlank(1);
  db.DbfPutStr(1, "Ann", "NAMEOFTHEP");
  db.DbfPutNum(1, 2.5, "SUM");
  db.DbfAppend(1);
  db.DbfClose(1);
  bytes = ReadFile(path);
  EXPECT_EQ(bytes.substr(97), " Ann           2.50\x1A");
  EXPECT_EQ(U32At(bytes, 4), 1u);
}

TEST_F(EngineTest, AddingAFieldKeepsVersionAndDateAndDropsTheRecords) {
  const std::string path = Write("t.dbf", WithReservedBytes(TableBytes(Foreign())));
  const std::string before = ReadFile(path);
  db.DbfOpen(1, path);  // an open slot is closed first
  ASSERT_TRUE(db.DbfAddField(1, "NOTE", 'C', 5, 0));
  EXPECT_FALSE(db.DbfIsOpen(1));
  const std::string after = ReadFile(path);
  ASSERT_EQ(after.size(), 32u * 5 + 1 + 1);
  EXPECT_EQ(after.substr(0, 4), before.substr(0, 4));
  EXPECT_EQ(U32At(after, 4), 0u);
  EXPECT_EQ(U16At(after, 8), 161);
  EXPECT_EQ(U32At(after, 10), 25u);
  EXPECT_EQ(after.substr(14, 18), std::string(18, '\0'));
  EXPECT_EQ(after.substr(32, 96), before.substr(32, 96));
  EXPECT_EQ(U32At(after, 128 + 12), 20u);
}

TEST_F(EngineTest, AddFieldRefusesWhatWouldMakeATableNothingCanOpen) {
  const std::string path = Write("t.dbf", TableBytes(Foreign()));
  const std::string before = ReadFile(path);
  db.DbfAssign(1, path);
  EXPECT_FALSE(db.DbfAddField(1, "EMPTY", 'C', 0, 0));
  EXPECT_EQ(ReadFile(path), before);

  // 2046 fields fill the 16-bit header size; a 2047th does not fit.
  std::vector<FieldSpec> many;
  for (int i = 0; i < 2045; ++i) many.push_back({"F" + std::to_string(i), 'C', 1});
  const std::string wide = Write("wide.dbf", TableSpec{many, {}});
  db.DbfAssign(2, wide);
  EXPECT_TRUE(db.DbfAddField(2, "LAST", 'C', 1, 0));
  const std::string full = ReadFile(wide);
  EXPECT_EQ(U16At(full, 8), 65505);
  EXPECT_FALSE(db.DbfAddField(2, "MORE", 'C', 1, 0));
  EXPECT_EQ(ReadFile(wide), full);
  db.DbfOpen(2, wide);
  EXPECT_EQ(db.DbfFieldCount(2), 2046);
  EXPECT_EQ(db.DbfRecordLength(2), 2047u);

  db.DbfAssign(3, dir.Path("missing.dbf"));
  EXPECT_EQ(Abort([&] { db.DbfAddField(3, "X", 'C', 1, 0); }).message,
            " Ошибка 6 : Файл N   3 не обнаружен  ");
}

TEST_F(EngineTest, DeleteFieldRemovesEveryNamesakeAndRenumbersTheRest) {
  std::vector<FieldSpec> f = {{"NAME", 'C', 10, 0, 1}, {"SUM", 'N', 8, 2, 11}, {"OK", 'L', 5, 0, 19}};
  TableSpec spec{f, {Record(f, {"A", "1", "T"})}};
  spec.headerRecordCount = 7;
  const std::string path = Write("t.dbf", WithReservedBytes(TableBytes(spec)));
  const std::string before = ReadFile(path);
  db.DbfAssign(1, path);
  db.DbfDeleteField(1, " name ");
  std::string after = ReadFile(path);
  ASSERT_EQ(after.size(), 98u);
  EXPECT_EQ(after.substr(0, 8), before.substr(0, 8));  // record count as read
  EXPECT_EQ(U16At(after, 8), 97);
  EXPECT_EQ(U32At(after, 10), 14u);
  EXPECT_EQ(after.substr(14, 18), before.substr(14, 18));
  EXPECT_EQ(after.substr(32, 3), "SUM");
  EXPECT_EQ(U32At(after, 44), 1u);
  EXPECT_EQ(after.substr(64, 2), "OK");
  EXPECT_EQ(U32At(after, 76), 9u);
  EXPECT_EQ(after.substr(96), "\x0D\x1A");

  // Names end at the first byte below 0x21; Cyrillic letters compare in
  // upper case (code page 1251); two fields of one name both go.
  std::vector<FieldSpec> g = {{std::string("\xE8\xec\xff", 3), 'C', 2},
                              {"KEEP", 'C', 3},
                              {std::string("\xC8\xCC\xDF \x01junk", 9), 'C', 4}};
  const std::string path2 = Write("u.dbf", TableSpec{g, {Record(g, {"a", "b", "c"})}});
  db.DbfAssign(2, path2);
  db.DbfDeleteField(2, "\xE8\xEC\xFF");
  after = ReadFile(path2);
  EXPECT_EQ(U16At(after, 8), 65);
  EXPECT_EQ(U32At(after, 10), 4u);
  EXPECT_EQ(after.substr(32, 4), "KEEP");

  db.DbfDeleteField(2, "NOSUCH");
  EXPECT_EQ(ReadFile(path2), after);
}

TEST_F(EngineTest, CopyStructureGivesAnEmptyTableAndNeverOverwritesItsSource) {
  auto f = PeopleFields();
  TableSpec spec{f, {}};
  for (int i = 0; i < 500; ++i) spec.records.push_back(Record(f, {std::to_string(i)}));
  spec.version = 0x30;
  const std::string source = Write("src.dbf", WithReservedBytes(TableBytes(spec)));
  const std::string before = ReadFile(source);
  db.DbfOpen(1, source);
  db.DbfAssign(2, Write("old.dbf", "stale contents"));
  ASSERT_TRUE(db.DbfCopyStructure(1, 2));
  EXPECT_FALSE(db.DbfIsOpen(1));
  EXPECT_EQ(ReadFile(source), before);
  std::string copy = ReadFile(db.DbfFileName(2));
  ASSERT_EQ(copy.size(), 129u + 1);
  EXPECT_EQ(U32At(copy, 4), 0u);
  EXPECT_EQ(copy.substr(0, 4), before.substr(0, 4));
  EXPECT_EQ(copy.substr(8, 121), before.substr(8, 121));
  EXPECT_EQ(copy.back(), '\x1A');

  // The same file under another spelling, or through a link, is refused.
  std::filesystem::create_symlink(source, dir.Path("link.dbf"));
  for (const std::string& other : {dir.Path("link.dbf"), dir.dir() + "/./src.dbf"}) {
    db.DbfAssign(2, other);
    EXPECT_FALSE(db.DbfCopyStructure(1, 2));
    EXPECT_EQ(ReadFile(source), before);
  }

  db.DbfAssign(1, dir.Path("missing.dbf"));
  db.DbfAssign(2, dir.Path("out.dbf"));
  EXPECT_EQ(Abort([&] { db.DbfCopyStructure(1, 2); }).code, 6);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("out.dbf")));
}

TEST_F(EngineTest, ZapLeavesTheHeaderAndTheEndMark) {
  std::vector<FieldSpec> f = {{"A", 'C', 3}, {"B", 'N', 4}};
  TableSpec spec{f, {Record(f, {"x", "1"}), Record(f, {"y", "2"})}};
  const std::string path = Write("t.dbf", TableBytes(spec));
  const std::string before = ReadFile(path);
  db.DbfOpen(1, path);
  db.DbfZap(1);
  EXPECT_EQ(db.DbfRecNo(1), 0);
  EXPECT_EQ(db.DbfRecCount(1), 0);
  EXPECT_EQ(ReadFile(path), before.substr(0, 97) + "\x1A");
  db.DbfClose(1);
  EXPECT_EQ(U32At(ReadFile(path), 4), 0u);

  // A header with extra bytes after the terminator keeps them.
  std::string padded = before.substr(0, 97) + std::string("\0\0\0", 3) + before.substr(97);
  padded[8] = 100;
  const std::string path2 = Write("p.dbf", padded);
  db.DbfOpen(2, path2);
  db.DbfZap(2);
  EXPECT_EQ(ReadFile(path2), padded.substr(0, 100) + "\x1A");
  EXPECT_EQ(Abort([&] { db.DbfZap(3); }).code, 4);
}
