#include "table_bytes.h"
#include "table_versions.h"

#include <gtest/gtest.h>

#include <unistd.h>

using testsupport::ReadFile;
using testsupport::WriteFile;
using ui::TableVersions;

namespace {

class TableVersionsTest : public ::testing::Test {
 protected:
  bool Exists(const std::string& name) const { return access(dir.Path("versions/" + name).c_str(), F_OK) == 0; }
  testsupport::TempDir dir;
  std::string path = dir.Path("t.dbf");
  int64_t now = 1'000'000'000;
  TableVersions versions{dir.Path("versions"), [this] { return now; }};
};

}  // namespace

// 22 versions a minute apart: the oldest two go at once, and those older
// than a week when the store is made again (with copies no version names);
// a file too large, or no file, is not kept.
TEST_F(TableVersionsTest, VersionsComeBackNewestFirstAndTheOldestGo) {
  for (size_t i = 0; i < TableVersions::kMaxVersions + 2; ++i, now += 60) {
    WriteFile(path, std::string("v\0", 2) + std::to_string(i));
    ASSERT_EQ(versions.Keep(path), TableVersions::Kept::Yes);
  }
  EXPECT_EQ(versions.Versions().size(), TableVersions::kMaxVersions);
  EXPECT_FALSE(Exists("2.version"));
  ASSERT_TRUE(versions.RestoreLast(path));
  EXPECT_EQ(ReadFile(path), std::string("v\0", 2) + "21");
  WriteFile(dir.Path("versions/99.version"), "stray");
  now += TableVersions::kMaxAgeSeconds - 60 * 5;
  TableVersions later(dir.Path("versions"), [this] { return now; });
  EXPECT_EQ(later.Versions().size(), 4u);  // 17 .. 20
  EXPECT_FALSE(Exists("99.version") || Exists("17.version"));
  for (int i = 20; i >= 17; --i) {
    ASSERT_TRUE(later.RestoreLast(path));
    EXPECT_EQ(ReadFile(path), std::string("v\0", 2) + std::to_string(i));
  }
  EXPECT_FALSE(later.RestoreLast(path));
  ASSERT_EQ(truncate(path.c_str(), TableVersions::kMaxBytes + 1), 0);  // sparse: costs no room
  EXPECT_EQ(later.Keep(path), TableVersions::Kept::TooLarge);
  EXPECT_EQ(later.Keep(dir.dir()), TableVersions::Kept::NotAFile);
  EXPECT_TRUE(later.Versions().empty());
}
