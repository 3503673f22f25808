#include "table_bytes.h"
#include "table_versions.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <memory>

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

// The oldest go past the count at once, past the age when the store is made again.
TEST_F(TableVersionsTest, VersionsComeBackNewestFirstAndTheOldestGo) {
  for (size_t i = 0; i < TableVersions::kMaxVersions + 2; ++i, now += 60) {
    WriteFile(path, std::string("v\0", 2) + std::to_string(i));
    ASSERT_EQ(versions.Keep(path), TableVersions::Kept::Yes);
  }
  EXPECT_EQ(versions.Versions().size(), TableVersions::kMaxVersions);
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

// A version kept as a link goes when the file is not replaced: at once, or at the next start.
TEST_F(TableVersionsTest, AVersionKeptAsAnotherNameGoesWhenTheFileIsNotReplaced) {
  WriteFile(path, "old");
  ASSERT_EQ(versions.Keep(path, {}, ui::VersionSide::Undo, TableVersions::Keeping::LinkWhenReplaced), TableVersions::Kept::Yes);
  WriteFile(dir.Path("new"), "new");
  ASSERT_EQ(rename(dir.Path("new").c_str(), path.c_str()), 0);
  ASSERT_TRUE(versions.RestoreLast(path));
  EXPECT_EQ(ReadFile(path), "old");

  ASSERT_EQ(versions.Keep(path, {}, ui::VersionSide::Undo, TableVersions::Keeping::LinkWhenReplaced), TableVersions::Kept::Yes);
  versions.DropKept(path);
  EXPECT_TRUE(versions.Versions().empty());
  ASSERT_EQ(versions.Keep(path, {}, ui::VersionSide::Undo, TableVersions::Keeping::LinkWhenReplaced), TableVersions::Kept::Yes);
  TableVersions restarted(dir.Path("versions"), [this] { return now; });
  EXPECT_TRUE(restarted.Versions().empty());
  EXPECT_EQ(ReadFile(path), "old");
}

// A store made meanwhile finds the write broken off.
TEST_F(TableVersionsTest, AWriteInPlaceMarksTheVersionJustKeptUntilItEnds) {
  const auto broken = [this] { return TableVersions(dir.Path("versions"), [this] { return now; }).Interrupted(); };
  const std::string other = dir.Path("other.dbf");
  WriteFile(path, "table");
  WriteFile(other, "other");
  ASSERT_EQ(versions.Keep(other), TableVersions::Kept::Yes);
  versions.WriteBegins(path);  // no version of this file was just kept
  EXPECT_TRUE(broken().empty());
  ASSERT_EQ(versions.Keep(path), TableVersions::Kept::Yes);
  versions.WriteBegins(path);
  ASSERT_EQ(broken().size(), 1u);
  EXPECT_EQ(broken()[0].id, versions.Versions().back().id);
  versions.WriteEnded(path);
  EXPECT_TRUE(broken().empty());
}

// Also when the process ended right after the keep; a version number is never given again.
TEST_F(TableVersionsTest, APrunedVersionIsGoneOnceTheStoreEndsOrAtTheNextStart) {
  const auto keepOneTooMany = [this] {
    auto store = std::make_unique<TableVersions>(dir.Path("versions"), [this] { return now; });
    for (size_t i = 0; i <= TableVersions::kMaxVersions; ++i) {
      WriteFile(path, "v" + std::to_string(i));
      if (store->Keep(path) != TableVersions::Kept::Yes) return store;
    }
    return store;
  };
  for (const bool killed : {false, true}) {
    SCOPED_TRACE(killed ? "process ended" : "store ended");
    std::system(("rm -rf '" + dir.Path("versions") + "'").c_str());
    if (killed) {
      const pid_t child = fork();
      if (child == 0) {
        keepOneTooMany().release();
        _exit(0);
      }
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
    } else {
      keepOneTooMany().reset();
      EXPECT_FALSE(Exists("1.version"));
    }
    TableVersions restarted(dir.Path("versions"), [this] { return now; });
    ASSERT_EQ(restarted.Versions().size(), TableVersions::kMaxVersions);
    EXPECT_EQ(restarted.Versions().front().id, 2u);
    EXPECT_FALSE(Exists("1.version"));
    while (!restarted.Versions().empty()) restarted.Drop(restarted.Versions().back().id);
    ASSERT_EQ(restarted.Keep(path), TableVersions::Kept::Yes);
    EXPECT_EQ(restarted.Versions().back().id, TableVersions::kMaxVersions + 2);
  }
}
