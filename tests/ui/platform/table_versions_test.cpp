#include "failing_files.h"
#include "table_bytes.h"
#include "table_versions.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <optional>
#include <system_error>

using testsupport::ReadFile;
using testsupport::WriteFile;
using testsupport::Fail;
using testsupport::FailingFiles;
using ui::TableVersions;

namespace {

class TableVersionsTest : public ::testing::Test {
 protected:
  std::string Folder() const { return dir.Path("versions"); }
  testsupport::TempDir dir;
  std::string path = dir.Path("t.dbf");
  int64_t now = 1'000'000'000;
  TableVersions::Clock clock = [this] { return now; };
};

}  // namespace

TEST_F(TableVersionsTest, VersionsComeBackNewestFirstByteForByteAlsoAfterARestart) {
  std::optional<TableVersions> versions(std::in_place, Folder(), clock);
  const std::string kept[] = {std::string("first\0a", 7), "second", "third"};
  for (const std::string& bytes : kept) {
    WriteFile(path, bytes);
    ASSERT_EQ(versions->Keep(path), TableVersions::Kept::Yes);
  }
  WriteFile(path, "now");
  versions.emplace(Folder(), clock);  // a restart
  for (int i = 2; i >= 0; --i) {
    ASSERT_TRUE(versions->RestoreLast(path));
    EXPECT_EQ(ReadFile(path), kept[i]);
  }
  EXPECT_FALSE(versions->RestoreLast(path));
  EXPECT_EQ(dir.FileCount(), 2u);  // the table and the folder
}

TEST_F(TableVersionsTest, OldestVersionsGoOverTheCountAndWhenAWeekOld) {
  TableVersions versions(Folder(), clock);
  for (size_t i = 0; i < TableVersions::kMaxVersions + 2; ++i) {
    WriteFile(path, std::to_string(i));
    versions.Keep(path);
    now += 60;
  }
  ASSERT_EQ(versions.Versions().size(), TableVersions::kMaxVersions);
  EXPECT_EQ(versions.Versions().front().id, 3u);
  WriteFile(Folder() + "/99.version", "stray");
  now += TableVersions::kMaxAgeSeconds - 60 * 5;
  const TableVersions later(Folder(), clock);
  EXPECT_EQ(later.Versions().size(), 5u);
  EXPECT_EQ(later.Versions().front().id, 18u);
  EXPECT_NE(access((Folder() + "/99.version").c_str(), F_OK), 0);
  EXPECT_NE(access((Folder() + "/17.version").c_str(), F_OK), 0);
}

TEST_F(TableVersionsTest, WhatCannotBeKeptIsSaid) {
  TableVersions versions(Folder(), clock);
  WriteFile(path, "");
  ASSERT_EQ(truncate(path.c_str(), TableVersions::kMaxBytes + 1), 0);  // sparse: costs no room
  EXPECT_EQ(versions.Keep(path), TableVersions::Kept::TooLarge);
  EXPECT_EQ(versions.Keep(dir.dir()), TableVersions::Kept::NotAFile);
  EXPECT_TRUE(versions.Versions().empty());
}

// A copy that fails part way leaves no version; a restore that fails leaves
// the file as it was and its version kept.
TEST_F(TableVersionsTest, FailuresPartWayLoseNothing) {
  TableVersions versions(Folder(), clock);
  WriteFile(path, "kept");
  versions.Keep(path);
  WriteFile(path, "changed");
  {
    FailingFiles failing(Fail::Fsync);
    EXPECT_THROW(versions.Keep(path), std::system_error);
  }
  EXPECT_EQ(versions.Versions().size(), 1u);
  EXPECT_NE(access((Folder() + "/2.version").c_str(), F_OK), 0);
  {
    FailingFiles failing(Fail::Rename);
    EXPECT_THROW(versions.RestoreLast(path), std::system_error);
  }
  EXPECT_EQ(ReadFile(path), "changed");
  ASSERT_TRUE(versions.RestoreLast(path));
  EXPECT_EQ(ReadFile(path), "kept");
}
