// Sorting into a new table: the target's bytes, the key rules, the source left as it was.
#include "engine_fixture.h"
#include "process_limits.h"
#include "table_reference.h"

#include <filesystem>

namespace {

struct Key { std::string name; int direction = 1; uint16_t maxLength = 0; };

// A record per row; field ID numbers the rows from 1 so the order can be read back.
TableLayout Rows(const std::vector<FieldSpec>& fields, const std::vector<std::vector<std::string>>& rows) {
  TableLayout layout{fields, {}};
  for (size_t i = 0; i < rows.size(); ++i) {
    std::vector<std::string> values = rows[i];
    values.insert(values.begin(), std::to_string(i + 1));
    layout.records.push_back(Record(fields, values));
  }
  return layout;
}

class SortTest : public EngineTest {
 protected:
  // Sorts `source` into out.dbf and returns the target's bytes.
  std::string Sort(const std::string& source, const std::vector<Key>& keys) {
    PrepareSort(source, dir.Path("out.dbf"));
    for (const Key& k : keys) db.DbfSortAddKey(k.name, k.direction, k.maxLength);
    EXPECT_EQ(db.DbfSortTo(1, 2), dbf::SortOutcome::Sorted);
    EXPECT_FALSE(db.DbfIsOpen(1));
    EXPECT_FALSE(db.DbfIsOpen(2));
    return ReadFile(dir.Path("out.dbf"));
  }

  // The record IDs (first field) of a sorted target in order, '*' before those marked deleted.
  std::vector<std::string> Order(const std::string& target, size_t width = 3) {
    std::vector<std::string> ids;
    for (const std::string& record : SplitRecords(target).records) {
      std::string id = record.substr(1, width);
      id.erase(id.find_last_not_of(' ') + 1);
      ids.push_back((record[0] == '*' ? "*" : "") + id);
    }
    EXPECT_EQ(target.back(), '\x1A');
    EXPECT_EQ(U32At(target, 4), ids.size());
    return ids;
  }
};

using Ids = std::vector<std::string>;

}  // namespace

TEST_F(SortTest, WritesTheSourcesHeaderAndEveryRecordInKeyOrder) {
  std::vector<FieldSpec> f = {{"ID", 'C', 3}, {"NAME", 'C', 5}};
  TableLayout layout = Rows(f, {{"d"}, {"b"}, {"c"}, {"a"}, {"b"}});
  layout.records[1][0] = '*';
  layout.records[2][0] = 'X';  // neither blank nor '*': written live
  layout.version = 0x8B;
  layout.endMark = false;  // the last record is sorted like the others
  const std::string source = Write("t.dbf", TableBytes(layout) );
  const std::string before = ReadFile(source);
  std::string out = Sort(source, {{" name", 1}});
  EXPECT_EQ(Order(out), (Ids{"4", "*2", "5", "3", "1"}));
  EXPECT_EQ(out.substr(0, 4), before.substr(0, 4));
  EXPECT_EQ(out.substr(8, 89), before.substr(8, 89));
  EXPECT_EQ(ReadFile(source), before);
  EXPECT_EQ(db.DbfStatus(1), dbf::kStatusDone);

  // Records larger than a read chunk; a partial record after the last is none.
  for (int i = 0; i < 1000; ++i) f.push_back({"F" + std::to_string(i), 'C', 255});
  Write("t.dbf", TableBytes(Rows(f, {{"c"}, {"a"}, {"b"}})) + "7  zz");
  EXPECT_EQ(Order(Sort(source, {{"NAME", 1}})), (Ids{"2", "3", "1"}));
}

// (Orders, directions and ties are checked against the reference sort.)
TEST_F(SortTest, KeyNamesAndShortenedKeys) {
  // "NM" padded with blanks, "ИМЯ" in code page 1251, "Z" a damaged descriptor of length 0.
  std::vector<FieldSpec> f = {
      {"ID", 'C', 3}, {"Low", 'C', 1}, {"NM        ", 'C', 3}, {"\xC8\xCC\xDF", 'C', 1}, {"Z", 'N', 0}};
  const std::string path = Write("t.dbf", Rows(f, {{"b", "ab2", "2"}, {"a", "ab1", "1"}}));
  EXPECT_EQ(Order(Sort(path, {{"low", 1}})), (Ids{"1", "2"}));
  EXPECT_EQ(Order(Sort(path, {{"Low", 1}})), (Ids{"1", "2"}));
  EXPECT_EQ(Order(Sort(path, {{"nm", 1}})), (Ids{"2", "1"}));
  EXPECT_EQ(Order(Sort(path, {{"nm", 1, 2}})), (Ids{"1", "2"}));
  EXPECT_EQ(Order(Sort(path, {{"\xE8\xEC\xFF", 1}})), (Ids{"2", "1"}));
  // No keys, or only names no field has: file order.
  EXPECT_EQ(Order(Sort(path, {})), (Ids{"1", "2"}));
  EXPECT_EQ(Order(Sort(path, {{"NOSUCH", 1}, {"", 1}, {"Z", 2}})), (Ids{"1", "2"}));
  EXPECT_EQ(Order(Sort(path, {{"Z", 2}, {"nm", 1}})), (Ids{"2", "1"}));
}

// Refusals leave the source open, its keys kept and no file touched.
TEST_F(SortTest, ReplacesAnOldTargetButRefusesItsOwnSourceOrTooLargeKeys) {
  std::vector<FieldSpec> f = {{"ID", 'C', 3}, {"K", 'C', 1}};
  const std::string path = Write("t.dbf", Rows(f, {{"b"}, {"a"}}));
  const std::string before = ReadFile(path);
  Write("out.dbf", std::string(1000, 'x'));
  EXPECT_EQ(Order(Sort(path, {{"K", 1}})), (Ids{"2", "1"}));

  std::filesystem::create_hard_link(path, dir.Path("link.dbf"));
  Write("out.dbf", "old");
  const std::pair<std::string, dbf::SortOutcome> refusals[] = {
      {path, dbf::SortOutcome::SameFile}, {dir.Path("link.dbf"), dbf::SortOutcome::SameFile},
      {dir.dir() + "//t.dbf", dbf::SortOutcome::SameFile}, {dir.Path("out.dbf"), dbf::SortOutcome::TooLarge},
      {dir.Path("new.dbf"), dbf::SortOutcome::TooLarge}};
  for (const auto& [target, outcome] : refusals) {
    SCOPED_TRACE(target);
    if (outcome == dbf::SortOutcome::TooLarge) db.SetSortMemoryLimit(1);
    PrepareSort(path, target, "K");
    EXPECT_EQ(db.DbfSortTo(1, 2), outcome);
    EXPECT_TRUE(db.DbfIsOpen(1));
    EXPECT_EQ(db.DbfSortKeys().size(), 1u);
    db.DbfCloseAll();
    EXPECT_EQ(ReadFile(path), before);
  }
  EXPECT_EQ(ReadFile(dir.Path("out.dbf")), "old");
  EXPECT_FALSE(std::filesystem::exists(dir.Path("new.dbf")));

  // A source without records leaves an empty target and status 4.
  EXPECT_EQ(Sort(Write("empty.dbf", TableLayout{f, {}}), {{"K", 1}}), TableBytes(TableLayout{f, {}}));
  EXPECT_EQ(db.DbfStatus(1), dbf::kStatusNoRecords);
}

// Records of the flag byte alone under three 255-byte fields: keys past the record read as blanks.
TEST_F(SortTest, KeysPastTheRecordTakeNoMemory) {
  TableLayout layout{{{"A", 'C', 255}, {"B", 'N', 255}, {"C", 'C', 255}}, {}};
  layout.recordLengthOverride = 1;
  layout.endMark = false;
  for (int i = 0; i < 1000; ++i) layout.records.push_back(i % 3 == 0 ? "*" : " ");
  const std::string path = Write("t.dbf", layout);
  db.SetSortMemoryLimit(1000 * 100);  // far below the keys' 765 bytes per record
  layout.endMark = true;
  EXPECT_EQ(Sort(path, {{"A", 2}, {"B", 1}, {"C", 2}}), TableBytes(layout));
}

TEST_F(SortTest, AWriteFailingPartWayReachesTheCallerAndSparesTheSource) {
  // Narrow records are gathered in passes, wide ones copied one by one: a failure comes through both.
  const std::vector<FieldSpec> narrow = {{"ID", 'C', 3}, {"K", 'C', 1}};
  std::vector<FieldSpec> wide = narrow;
  wide.push_back({"W1", 'C', 255});
  wide.push_back({"W2", 'C', 255});
  for (const auto& f : {narrow, wide}) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 200; ++i) rows.push_back({std::string(1, static_cast<char>('a' + i % 7))});
    const std::string path = Write("t.dbf", Rows(f, rows));
    const std::string before = ReadFile(path);
    PrepareSort(path, dir.Path("out.dbf"), "K");
    std::string error;
    {
      // A file size limit makes a write fail part way, as a full disk would.
      FileSizeLimit limit(before.size() / 2);
      try {
        db.DbfSortTo(1, 2);
      } catch (const dbf::IoError& e) {
        error = e.what();
      }
    }
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    db.DbfCloseAll();
    EXPECT_EQ(ReadFile(path), before);
  }
}
