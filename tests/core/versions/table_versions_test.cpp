#include "table_bytes.h"
#include "table_versions.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

// 22 versions a minute apart: the oldest two go at once, and those older
// than a week when the store is made again (with copies no version names);
// a file too large, or no file, is not kept.
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

// A version kept as another name of a file about to be replaced: once the
// file is replaced it holds the old bytes; when the replacement does not
// happen it goes again, at once or (the process killed first) when the store
// is next made, and never changes with the file.
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

// Only the version just kept of the file being written is marked, and only
// until the write ends; a store made meanwhile finds it broken off.
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

// The copy of a version that goes as another is kept is gone, and the index
// names it no more, once the store has ended, also when the process ended
// right after the keep; while the store lives, a number is not given again,
// not even after every version went.
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
