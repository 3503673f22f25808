// What the program trusts on disk: its own folders only when this user's
// alone and no link, no file in them through a link, no output through a
// link planted under its name, and only regular files read as tables.
#include "dbf_errors.h"
#include "dbf_file.h"
#include "output_name.h"
#include "own_folder.h"
#include "regular_file.h"
#include "safe_write.h"
#include "table_bytes.h"
#include "table_versions.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

constexpr uid_t kOtherUser = 65534;

class OwnFoldersTest : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
  const std::string folder = dir.Path("versions");
  const std::string table = dir.Path("t.dbf");
  const std::string victim = dir.Path("victim");
  ui::FileServices files;
};

TEST_F(OwnFoldersTest, AFolderThatIsALinkAnotherUsersOrOpenToOthersIsNotTrusted) {
  const std::string elsewhere = dir.Path("elsewhere");
  struct Planted {
    const char* what;
    std::function<bool()> make;  // false: cannot be made here
    bool refused;                // else taken over: closed to others
  };
  const Planted planted[] = {
      {"a link to a folder", [&] { return fs::create_directory_symlink(elsewhere, folder), true; }, true},
      {"another user's folder",
       [&] {
         fs::create_directory(folder);
         return ::geteuid() == 0 && ::chown(folder.c_str(), kOtherUser, kOtherUser) == 0;
       },
       true},
      {"a folder of this user's open to others", [&] { return fs::create_directory(folder) && ::chmod(folder.c_str(), 0777) == 0; },
       false},
  };
  int made = 0;
  for (const Planted& p : planted) {
    SCOPED_TRACE(p.what);
    fs::remove_all(folder);
    fs::remove_all(elsewhere);
    fs::create_directory(elsewhere);
    WriteFile(table, "the table now");
    if (!p.make()) continue;
    ++made;
    // What the planter put there: an index naming a version of the table.
    const std::string inside = fs::is_symlink(folder) ? elsewhere : folder;
    WriteFile(inside + "/index", "dbfview versions 1\n1 1 5 " + std::to_string(table.size()) + " " + table + "\n");
    WriteFile(inside + "/1.version", "theirs");

    ui::TableVersions versions(folder);
    EXPECT_TRUE(versions.Versions().empty());
    EXPECT_FALSE(versions.RestoreLast(table));
    if (p.refused) {
      EXPECT_THROW(ui::PrepareOwnFolder(folder), ui::OwnFolderError);
      EXPECT_THROW(versions.Keep(table), ui::OwnFolderError);
      EXPECT_EQ(ReadFile(inside + "/1.version"), "theirs");
    } else {
      EXPECT_EQ(versions.Keep(table), ui::TableVersions::Kept::Yes);
      EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    }
    EXPECT_EQ(ReadFile(table), "the table now");
  }
  if (made < 3) GTEST_SKIP() << "another user's folder needs root to give it away";
}

TEST_F(OwnFoldersTest, NoFileOfTheVersionsFolderIsReachedThroughALink) {
  for (const char* name : {"index", "1.version"}) {
    SCOPED_TRACE(name);
    fs::remove_all(folder);
    ui::PrepareOwnFolder(folder);
    WriteFile(victim, "the victim's own");
    WriteFile(table, "the table now");
    ui::TableVersions versions(folder);
    fs::create_symlink(victim, folder + "/" + name);  // planted while the program runs
    EXPECT_ANY_THROW(versions.Keep(table));
    EXPECT_EQ(ReadFile(victim), "the victim's own");
    EXPECT_TRUE(versions.Versions().empty());
  }
}

TEST_F(OwnFoldersTest, ANewFileIsNeverMadeThroughALinkUnderItsName) {
  const std::string out = dir.Path("out.dbf");
  const struct { const char* what; std::function<void()> write; } writes[] = {
      {"a new file", [&] { ui::WriteNewFile(files, out, [](const std::string& path) { WriteFile(path, "new"); }); }},
      {"a new file made by the engine", [&] {
         dbf::TableFile file;
         file.Create(out);
       }},
      {"made where nothing stood", [&] {
         if (ui::CreateNewFile(out) < 0) throw std::system_error(errno, std::generic_category(), out);
       }},
  };
  for (const bool victimThere : {false, true}) {
    for (const auto& w : writes) {
      SCOPED_TRACE(std::string(w.what) + (victimThere ? ", link to a file" : ", dangling link"));
      fs::remove(out);
      fs::remove(victim);
      if (victimThere) WriteFile(victim, "the victim's own");
      fs::create_symlink(victim, out);
      EXPECT_ANY_THROW(w.write());
      EXPECT_EQ(fs::exists(victim), victimThere);
      if (victimThere) {
        EXPECT_EQ(ReadFile(victim), "the victim's own");
      }
    }
  }
}

TEST_F(OwnFoldersTest, OnlyARegularFileOpensAndNothingElseIsWaitedOn) {
  const std::string fifo = dir.Path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  WriteFile(table, "bytes");
  const struct { const char* what; std::string path; bool opens; } files[] = {
      {"a FIFO without a writer", fifo, false},
      {"a folder", dir.dir(), false},
      {"a device", "/dev/zero", false},
      {"a regular file", table, true},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.what);
    const int fd = ui::OpenRegularFile(f.path, O_RDONLY);  // a hang here is the failure
    EXPECT_EQ(fd >= 0, f.opens);
    if (fd >= 0) {
      EXPECT_EQ(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
      ::close(fd);
    }
    EXPECT_EQ(ui::IsOtherThanRegularFile(f.path), !f.opens);
    dbf::TableFile engine;
    EXPECT_EQ(engine.OpenForReading(f.path), f.opens);
    EXPECT_EQ(engine.Open(f.path), f.opens);
  }
}

}  // namespace
