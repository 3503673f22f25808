// The files that belong with a table: its index files, and its memo file's name for a copy.
#include "dbf_companions.h"
#include "engine_fixture.h"

#include <algorithm>
#include <filesystem>

namespace {

struct IndexCase {
  const char* what;
  uint8_t version;
  char indexFlag;                   // header byte 28
  std::vector<std::string> beside;  // files of other kinds are no index
  std::vector<std::string> found;
};

TEST_F(EngineTest, IndexFilesAreThoseOfTheTablesNameOrTheOneItsHeaderMarks) {
  const IndexCase cases[] = {
      {"none", 0x03, 0, {"t.dbt", "t.bak", "other.cdx"}, {}},
      {"files of its name", 0x03, 0, {"t.CDX", "t.ndx", "t.idx"}, {"t.ndx", "t.idx", "t.CDX"}},
      {"dBASE's production index", 0x8B, 1, {}, {"t.mdx"}},
      {"FoxPro's production index", 0x30, 1, {}, {"t.cdx"}},
      {"a production index there", 0xF5, 1, {"t.cdx"}, {"t.cdx"}},
  };
  for (const IndexCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(dir.Path(""));
    std::filesystem::create_directories(dir.Path(""));
    TableLayout layout{PeopleFields(), {}};
    layout.version = c.version;
    std::string bytes = TableBytes(layout);
    bytes[28] = c.indexFlag;
    const std::string table = Write("t.dbf", bytes);
    for (const std::string& name : c.beside) WriteFile(dir.Path(name), "x");
    std::vector<std::string> expected;
    for (const std::string& name : c.found) expected.push_back(dir.Path(name));
    std::vector<std::string> found = dbf::IndexFilesOf(table);
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
  }
  EXPECT_EQ(dbf::MemoPathForCopy("/d/copy.dbf", "/s/t.DBT"), "/d/copy.DBT");
  EXPECT_EQ(dbf::MemoPathForCopy("/d/copy.v1.dbf", "/s/t.fpt"), "/d/copy.v1.fpt");
}

}  // namespace
