// Creating tables, changing fields, copying a structure and removing all records.
#include "engine_fixture.h"

#include <filesystem>

namespace {

// A table without records, `count` in its header, with the version and reserved bytes of `like`.
std::string Empty(const std::vector<FieldSpec>& f, uint32_t count, const std::string& like) {
  TableLayout layout{f, {}};
  layout.headerRecordCount = count;
  std::string bytes = TableBytes(layout);
  bytes[0] = like[0];
  std::copy(like.begin() + 14, like.begin() + 32, bytes.begin() + 14);
  return bytes;
}

// Three people, with a version, a wrong count and reserved bytes as another program might leave them.
std::string Foreign() {
  auto f = PeopleFields();
  TableLayout layout{f, {Record(f, {"A", "1"}), Record(f, {"B", "2"}, true), Record(f, {"C", "3"})}};
  layout.version = 0x83;
  layout.headerRecordCount = 100;
  std::string bytes = TableBytes(layout);
  for (int i = 14; i < 32; ++i) bytes[i] = static_cast<char>(i);
  return bytes;
}

}  // namespace

// A kind of table the engine does not make is refused.
TEST_F(EngineTest, AddedFieldsBuildTheHeaderAndTheTableTakesRecords) {
  const std::string path = dir.Path("new.dbf");
  db.DbfCreate(1, 2, path);
  EXPECT_EQ(ReadFile(path), kCreatedTable);
  EXPECT_TRUE(db.DbfAddField(1, "NAMEOFTHEPERSON", 'C', 10, 0));  // cut to 10
  EXPECT_TRUE(db.DbfAddField(1, "SUM", 'N', 8, 2));
  const std::vector<FieldSpec> f = {{"NAMEOFTHEP", 'C', 10, 0, 1}, {"SUM", 'N', 8, 2, 11}};
  std::string bytes = ReadFile(path);
  EXPECT_EQ(bytes.substr(0, 4), "\x03\x01\x01\x01");
  EXPECT_EQ(bytes.substr(4), Empty(f, 0, bytes).substr(4));

  db.DbfOpen(1, path);
  db.DbfBlank(1);
  db.DbfPutStr(1, "Ann", "NAMEOFTHEP");
  db.DbfPutNum(1, 2.5, "SUM");
  db.DbfAppend(1);
  db.DbfClose(1);
  EXPECT_EQ(ReadFile(path).substr(4), TableBytes(TableLayout{f, {Record(f, {"Ann", "    2.50"})}}).substr(4));

  const std::string bad = Write("bad.dbf", Foreign());
  EXPECT_EQ(Abort([&] { db.DbfCreate(2, 3, bad); }).message,
            " Ошибка 7 : Тип при созании   2-го Файла указан не верно. ");
  EXPECT_EQ(ReadFile(bad), "");
}

TEST_F(EngineTest, AddFieldKeepsVersionAndDateDropsTheRecordsAndRefusesWhatNothingCouldOpen) {
  const std::string path = Write("t.dbf", Foreign());
  db.DbfAssign(1, path);
  EXPECT_FALSE(db.DbfAddField(1, "EMPTY", 'C', 0, 0));
  EXPECT_EQ(ReadFile(path), Foreign());
  db.DbfOpen(1, path);  // an open slot is closed first
  ASSERT_TRUE(db.DbfAddField(1, "NOTE", 'C', 5, 0));
  EXPECT_FALSE(db.DbfIsOpen(1));
  auto f = PeopleFields();
  f.push_back({"NOTE", 'C', 5, 0, 20});
  std::string expected = Empty(f, 0, Foreign());
  std::fill(expected.begin() + 14, expected.begin() + 32, '\0');
  EXPECT_EQ(ReadFile(path), expected);

  // 2046 fields fill the 16-bit header size, 1 + 256 * 255 + 254 the 16-bit record length.
  std::vector<FieldSpec> many, longFields;
  for (int i = 0; i < 2045; ++i) many.push_back({"F" + std::to_string(i), 'C', 1});
  for (int i = 0; i < 256; ++i) longFields.push_back({"L" + std::to_string(i), 'C', 255});
  for (const auto& [fields, last] : {std::pair{many, 1}, std::pair{longFields, 254}}) {
    const std::string full = Write("full.dbf", TableLayout{fields, {}});
    db.DbfAssign(2, full);
    EXPECT_TRUE(db.DbfAddField(2, "LAST", 'C', static_cast<uint8_t>(last), 0));
    const std::string bytes = ReadFile(full);
    EXPECT_FALSE(db.DbfAddField(2, "MORE", 'C', 1, 0));
    EXPECT_EQ(ReadFile(full), bytes);
    db.DbfOpen(2, full);
    EXPECT_EQ(db.DbfFieldCount(2), static_cast<int>(fields.size()) + 1);
  }

  db.DbfAssign(3, dir.Path("missing.dbf"));
  EXPECT_EQ(Abort([&] { db.DbfAddField(3, "X", 'C', 1, 0); }).message, " Ошибка 6 : Файл N   3 не обнаружен  ");
}

TEST_F(EngineTest, DeleteFieldRemovesEveryNamesakeAndRenumbersTheRest) {
  db.DbfAssign(1, Write("t.dbf", Foreign()));
  db.DbfDeleteField(1, " name ");
  const std::vector<FieldSpec> kept = {{"SUM", 'N', 8, 2, 1}, {"OK", 'L', 1, 0, 9}};
  EXPECT_EQ(ReadFile(dir.Path("t.dbf")), Empty(kept, 100, Foreign()));

  // Names end below 0x21; Cyrillic compares in upper case (1251); a name no field has drops the records.
  std::vector<FieldSpec> g = {{"\xE8\xEC\xFF", 'C', 2}, {"KEEP", 'C', 3}, {"\xC8\xCC\xDF \x01junk", 'C', 4}};
  const std::string path = Write("u.dbf", TableLayout{g, {Record(g, {"a", "b", "c"})}});
  db.DbfAssign(2, path);
  db.DbfDeleteField(2, "\xE8\xEC\xFF");
  const std::string after = ReadFile(path);
  EXPECT_EQ(after.substr(8), Empty({{"KEEP", 'C', 3, 0, 1}}, 1, after).substr(8));
  db.DbfAssign(3, Write("v.dbf", Foreign()));
  db.DbfDeleteField(3, "NOSUCH");
  EXPECT_EQ(ReadFile(dir.Path("v.dbf")).size(), 130u);
}

TEST_F(EngineTest, CopyStructureGivesAnEmptyTableAndNeverOverwritesItsSource) {
  const std::string source = Write("src.dbf", Foreign());
  db.DbfOpen(1, source);
  db.DbfAssign(2, Write("old.dbf", "stale contents"));
  ASSERT_TRUE(db.DbfCopyStructure(1, 2));
  EXPECT_FALSE(db.DbfIsOpen(1));
  const std::string closed = Foreign();  // only read: even its wrong count stays
  EXPECT_EQ(ReadFile(source), closed);
  EXPECT_EQ(ReadFile(dir.Path("old.dbf")), Empty(PeopleFields(), 0, Foreign()));

  // The same file under another spelling, or through a link, is refused.
  std::filesystem::create_symlink(source, dir.Path("link.dbf"));
  for (const std::string& other : {dir.Path("link.dbf"), dir.dir() + "/./src.dbf"}) {
    db.DbfAssign(2, other);
    EXPECT_FALSE(db.DbfCopyStructure(1, 2));
    EXPECT_EQ(ReadFile(source), closed);
  }

  db.DbfAssign(1, dir.Path("missing.dbf"));
  db.DbfAssign(2, dir.Path("out.dbf"));
  EXPECT_EQ(Abort([&] { db.DbfCopyStructure(1, 2); }).code, 6);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("out.dbf")));
}

// (A header's bytes after the terminator stay too: see the tables from other writers.)
TEST_F(EngineTest, ZapLeavesTheHeaderAndTheEndMark) {
  const std::string path = Write("t.dbf", Foreign());
  db.DbfOpen(1, path);
  db.DbfZap(1);
  EXPECT_EQ(db.DbfRecNo(1), 0);
  EXPECT_EQ(db.DbfRecCount(1), 0);
  EXPECT_EQ(ReadFile(path), Foreign().substr(0, 129) + "\x1A");
  EXPECT_EQ(Abort([&] { db.DbfZap(3); }).code, 4);
}
