#include "dbf_file.h"
#include "failing_file_system.h"
#include "process_limits.h"
#include "safe_write.h"
#include "table_bytes.h"
#include "write_all.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <system_error>
#include <tuple>
#include <vector>

using testsupport::ReadFile;
using testsupport::WriteFile;
using ui::FileRewrite;
using ui::ReplaceFileContents;
using ui::RewriteWay;

namespace {

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  return st;
}

std::string Attribute(const std::string& path, const char* name) {
  char value[1024];
  const ssize_t size = getxattr(path.c_str(), name, value, sizeof value);
  return size < 0 ? std::string() : std::string(value, static_cast<size_t>(size));
}

// A write failure as the engine reports one: the call's name, not the file's.
[[noreturn]] void FailWrite() { throw std::system_error(EFBIG, std::generic_category(), "write"); }

using testsupport::Call;
using testsupport::FailingFileSystem;

// The error a call throws: its code and text; code 0 when nothing is thrown.
std::pair<int, std::string> ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::system_error& e) {
    return {e.code().value(), e.what()};
  }
  return {0, {}};
}

}  // namespace

class SafeWriteTest : public ::testing::Test {
 protected:
  FileRewrite WriteText(const std::string& text) {
    FileRewrite rewrite;
    rewrite.writeNew = [text](const std::string& file) { WriteFile(file, text); };
    return rewrite;
  }

  // Writes `text` when `failing` names a call; otherwise fails part way as a full disk would.
  FileRewrite WriteOrFail(const std::optional<Call>& failing, const std::string& text) {
    if (failing) return WriteText(text);
    FileRewrite rewrite;
    rewrite.writeNew = [](const std::string& file) {
      WriteFile(file, "half");
      FailWrite();
    };
    return rewrite;
  }

  static FileRewrite WriteByEngine(ui::FileServices& services, const std::string& text) {
    FileRewrite rewrite;
    rewrite.writeNew = [&services, text](const std::string& file) {
      dbf::TableFile table(services.Files());
      table.Create(file);
      table.WriteAt(0, text.data(), text.size());
      table.Close();
    };
    return rewrite;
  }

  testsupport::TempDir dir;
  std::string path = dir.Path("table.dbf");
  ui::FileServices system;  // the system's own file system
};

TEST_F(SafeWriteTest, ANewFileTakesThePlaceKeepingOwnerModeAndAttributes) {
  WriteFile(path, "old");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  SKIP_UNLESS_ROOT();
  ASSERT_EQ(chown(path.c_str(), testsupport::kOtherUser, testsupport::kOtherUser), 0);
  const bool userAttributes = setxattr(path.c_str(), "user.origin", "bank", 4, 0) == 0;
  const bool acls = std::system(("setfacl -m u:12345:rw '" + path + "' 2>/dev/null").c_str()) == 0;
  const struct stat before = StatOf(path);
  const std::string acl = Attribute(path, "system.posix_acl_access");

  EXPECT_EQ(ReplaceFileContents(system, path, WriteText("new contents")), RewriteWay::NewFile);

  const struct stat after = StatOf(path);
  EXPECT_EQ(ReadFile(path), "new contents");
  EXPECT_NE(after.st_ino, before.st_ino);
  EXPECT_EQ(std::tie(after.st_uid, after.st_gid, after.st_mode), std::tie(before.st_uid, before.st_gid, before.st_mode));
  if (userAttributes) { EXPECT_EQ(Attribute(path, "user.origin"), "bank"); }
  if (acls) { EXPECT_EQ(Attribute(path, "system.posix_acl_access"), acl); }
  EXPECT_EQ(dir.FileCount(), 1u);
  if (!acls) GTEST_SKIP() << "the file system refuses access control lists; the rest was checked";
}

// The digest is that of the file's bytes, also after another write or another file took the name.
TEST_F(SafeWriteTest, TheDigestOfARewrittenFileIsThatOfItsBytes) {
  const timespec longAgo[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
  const struct {
    const char* name;
    std::function<void()> after;
    const char* holds;
  } cases[] = {
      {"as written", [] {}, "new contents"},
      {"written again, same size",
       [&] {
         std::fstream(path, std::ios::in | std::ios::out) << "NEW";
         ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), longAgo, 0), 0);
       },
       "NEW contents"},
      {"another file", [&] { WriteFile(dir.Path("other"), "other bytes!"), rename(dir.Path("other").c_str(), path.c_str()); },
       "other bytes!"},
  };
  for (const auto& c : cases) {
    WriteFile(path, "old");
    ASSERT_EQ(ReplaceFileContents(system, path, WriteText("new contents")), RewriteWay::NewFile);
    c.after();
    EXPECT_EQ(ReadFile(path), c.holds) << c.name;
    EXPECT_EQ(system.DigestOf(path), FileDigest::Of(path)) << c.name;
  }
}

// Trusted once its times lie a tick before it was taken: 2 s for whole-second (FAT) times, else 0.1 s.
TEST(FileStampTest, EqualStampsAreTrustedOnceATickHasPassed) {
  constexpr int64_t kMs = 1'000'000;
  constexpr int64_t kTaken = 1'000'000'000 * kMs;
  const struct { int64_t modified, changed; bool within; } cases[] = {
      {kTaken - 50 * kMs + 7, kTaken - 900 * kMs, true},    {kTaken - 150 * kMs + 7, kTaken - 150 * kMs, false},
      {kTaken - 150 * kMs + 7, kTaken - 50 * kMs, true},    {kTaken - 1000 * kMs, kTaken - 1000 * kMs + 5, true},
      {kTaken - 3000 * kMs, kTaken - 2500 * kMs, false},    {kTaken - 3000 * kMs, kTaken - 1500 * kMs, true},
  };
  for (const auto& c : cases) {
    const FileStamp stamp{{}, 0, c.modified, c.changed};
    EXPECT_EQ(stamp.WithinTick(kTaken), c.within) << (kTaken - c.modified) / kMs << " ms";
  }
}

// The new file takes the mode, and is synced before it takes the place.
TEST_F(SafeWriteTest, TheModeIsCarriedOverOnAFileWithoutAccessControlList) {
  // Neither the file nor the new file, through the folder's default, has a list.
  removexattr(dir.dir().c_str(), "system.posix_acl_default");
  // 02750: the set-group-id bit that giving the new file its group clears.
  for (const mode_t mode : {0640, 0604, 0600, 02750}) {
    WriteFile(path, "old");
    removexattr(path.c_str(), "system.posix_acl_access");
    ASSERT_EQ(Attribute(path, "system.posix_acl_access"), "");
    ASSERT_EQ(chmod(path.c_str(), mode), 0);

    FailingFileSystem files;
    EXPECT_EQ(ReplaceFileContents(files.services, path, WriteText("new")), RewriteWay::NewFile);
    const struct stat after = StatOf(path);
    EXPECT_EQ(after.st_mode & 07777, mode) << std::oct << mode;
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_EQ(files.calls, std::vector<FailingFileSystem::Made>(
                               {{Call::Fchown, after.st_ino}, {Call::Fsync, after.st_ino}, {Call::Rename, after.st_ino}}));
  }
}

TEST_F(SafeWriteTest, LinksAndOwnersThatCannotBeKeptAreRewrittenInPlace) {
  WriteFile(path, "old");
  const std::string link = dir.Path("other-name.dbf");
  ASSERT_EQ(::link(path.c_str(), link.c_str()), 0);
  EXPECT_EQ(ReplaceFileContents(system, path, WriteText("shared")), RewriteWay::InPlace);
  EXPECT_EQ(ReadFile(link), "shared");
  ASSERT_EQ(unlink(link.c_str()), 0);

  const ino_t inode = StatOf(path).st_ino;
  FailingFileSystem files(Call::Fchown, 1, EPERM);
  EXPECT_EQ(ReplaceFileContents(files.services, path, WriteText("kept owner")), RewriteWay::InPlace);
  EXPECT_EQ(ReadFile(path), "kept owner");
  EXPECT_EQ(StatOf(path).st_ino, inode);
  EXPECT_EQ(dir.FileCount(), 1u);
}

// A rewrite failing part way, through a new file or in place (another hard link), or in
// the engine's own writes, leaves the old file whole under every name and nothing behind.
TEST_F(SafeWriteTest, AFailedRewriteLeavesTheOldFileWholeAndNothingBehind) {
  const std::string link = dir.Path("other-name.dbf");
  const std::string staging = dir.Path("tmp");
  std::filesystem::create_directory(staging);
  const std::string oldTmp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
  setenv("TMPDIR", staging.c_str(), 1);
  struct Case {
    const char* name;
    bool linked;
    std::optional<Call> failing;  // none: the new contents fail to be written
    int nth;
    int error;
    bool byEngine = false;  // the new contents written by the engine's table handle
  };
  const Case cases[] = {{"write", false, std::nullopt, 1, EFBIG},     {"sync", false, Call::Fsync, 1, EIO},
                        {"rename", false, Call::Rename, 1, ENOSPC},   {"staging", true, std::nullopt, 1, EFBIG},
                        {"copying in", true, Call::Pwrite, 2, ENOSPC}, {"sync in place", true, Call::Fsync, 1, ENOSPC},
                        {"engine write", false, Call::Pwrite, 1, ENOSPC, true},
                        {"engine write staged", true, Call::Pwrite, 1, ENOSPC, true}};
  const std::string old = "old contents, longer than the new ones";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(path, old);
    if (c.linked) { ASSERT_EQ(::link(path.c_str(), link.c_str()), 0); }
    FailingFileSystem files(c.failing, c.nth, c.error);
    const FileRewrite rewrite = c.byEngine ? WriteByEngine(files.services, "new contents")
                                           : WriteOrFail(c.failing, "new contents");
    const auto [error, text] = ErrorOf([&] { ReplaceFileContents(files.services, path, rewrite); });
    EXPECT_EQ(error, c.error);
    EXPECT_NE(text.find(path), std::string::npos) << text;
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(dir.FileCount(), c.linked ? 3u : 2u);
    EXPECT_TRUE(std::filesystem::is_empty(staging));
    if (c.linked) {
      EXPECT_EQ(ReadFile(link), old);
      ASSERT_EQ(unlink(link.c_str()), 0);
    }
  }
  oldTmp.empty() ? unsetenv("TMPDIR") : setenv("TMPDIR", oldTmp.c_str(), 1);
}

// Another user's own file in a closed folder is rewritten in place; a file it may not write is refused.
TEST_F(SafeWriteTest, AnotherUsersRewriteGoesAsFarAsItsRightsAndNoFurther) {
  SKIP_UNLESS_ROOT();
  const uid_t other = testsupport::kOtherUser;
  const struct { const char* name; uid_t owner; mode_t folder; int result; const char* after; } cases[] = {
      {"its file, the folder refuses new files", other, 0555, static_cast<int>(RewriteWay::InPlace), "newer"},
      {"another's file, the folder open to all", 0, 0777, EACCES, "old contents"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(path, "old contents");
    ASSERT_EQ(chown(path.c_str(), c.owner, c.owner), 0);
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);
    ASSERT_EQ(chmod(dir.dir().c_str(), c.folder), 0);
    const int result = testsupport::RunAsOtherUser([&] {  // the way taken, or the refusal's code
      int way = -1;
      const int error = ErrorOf([&] { way = static_cast<int>(ReplaceFileContents(system, path, WriteText("newer"))); }).first;
      return error != 0 ? error : way;
    });
    chmod(dir.dir().c_str(), 0700);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(ReadFile(path), c.after);
  }
}

TEST_F(SafeWriteTest, AFailedNewFileIsRemovedAndAFileThatWasThereIsLeft) {
  struct Case {
    const char* name;
    std::optional<std::string> before;  // none: no file of that name
    std::optional<std::string> after;   // none: removed
  };
  const auto appendHalf = [](const std::string& file) {
    std::ofstream(file, std::ios::app) << " half";
    FailWrite();
  };
  for (const Case& c : {Case{"new", std::nullopt, std::nullopt}, Case{"appended to", "old", "old half"}}) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(path);
    if (c.before) WriteFile(path, *c.before);
    const auto [error, text] = ErrorOf([&] { ui::WriteNewFile(system, path, appendHalf); });
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(text, path + ": write: " + std::strerror(EFBIG));
    EXPECT_EQ(std::filesystem::exists(path), c.after.has_value());
    if (c.after) { EXPECT_EQ(ReadFile(path), *c.after); }
  }

  // A removal that fails too does not hide the write's failure.
  std::filesystem::remove(path);
  FailingFileSystem files(Call::Unlink, 1, EACCES);
  EXPECT_EQ(ErrorOf([&] { ui::WriteNewFile(files.services, path, appendHalf); }).first, EFBIG);

  // Written in full, the new file stays.
  ui::WriteNewFile(system, path, [](const std::string& file) { WriteFile(file, "whole"); });
  EXPECT_EQ(ReadFile(path), "whole");
}

TEST_F(SafeWriteTest, KeepOnFailurePutsBackTheKeptBytesAndTheSize) {
  // Changes made through the file's name, each failing after it wrote.
  const auto overwrite = [&](off_t at, const std::string& bytes) {
    const int fd = open(path.c_str(), O_WRONLY);
    ASSERT_EQ(pwrite(fd, bytes.data(), bytes.size(), at), static_cast<ssize_t>(bytes.size()));
    close(fd);
  };
  struct Case {
    const char* name;
    int64_t keep;
    std::function<void()> change;
    std::optional<Call> failing;  // a call of the putting back that fails
    std::string after;
  };
  const Case cases[] = {
      {"records appended", ui::kWholeFile, [&] { overwrite(4, "0123456789"); }, std::nullopt, "head|body|"},
      {"cut short", ui::kWholeFile, [&] { truncate(path.c_str(), 3); }, std::nullopt, "head|body|"},
      // Past the bytes kept, the change's own bytes stay; the size goes back.
      {"start kept", 5, [&] { overwrite(0, "HEAD|BODY|more"); }, std::nullopt, "head|BODY|"},
      // A write back that fails still has the file cut to its size.
      {"write back fails", ui::kWholeFile, [&] { overwrite(6, "ODY|more"); }, Call::Pwrite, "head|bODY|"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(path, "head|body|");
    FailingFileSystem files(c.failing);
    const auto [error, text] = ErrorOf([&] {
      ui::KeepOnFailure(files.services, path, c.keep, [&] {
        c.change();
        FailWrite();
      });
    });
    EXPECT_EQ(error, EFBIG);
    EXPECT_NE(text.find(path), std::string::npos) << text;
    EXPECT_EQ(ReadFile(path), c.after);
  }

  WriteFile(path, "head|body|");
  ui::KeepOnFailure(system, path, ui::kWholeFile, [&] { overwrite(5, "done|and more"); });
  EXPECT_EQ(ReadFile(path), "head|done|and more");
}

// Only the user's staged files that nobody holds and that stood a minute unchanged go.
TEST_F(SafeWriteTest, StaleStagedFilesGoAndLiveOnesStay) {
  const struct {
    const char* name;
    bool locked;
    int ageSeconds;
    bool goes;
  } files[] = {
      {".dbfview-save-stale1", false, 3600, true},
      {".dbfview-save-held01", true, 3600, false},
      {".dbfview-save-fresh1", false, 0, false},
      {"table.dbf", false, 3600, false},
  };
  std::deque<ui::OwnedFd> held;
  for (const auto& f : files) {
    const std::string file = dir.Path(f.name);
    WriteFile(file, "staged");
    const timespec times[2] = {{time(nullptr) - f.ageSeconds, 0}, {time(nullptr) - f.ageSeconds, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    if (f.locked) {
      held.emplace_back(open(file.c_str(), O_RDONLY | O_CLOEXEC));
      ASSERT_EQ(flock(held.back().get(), LOCK_EX), 0);
    }
  }
  std::filesystem::create_symlink(dir.Path("table.dbf"), dir.Path(".dbfview-save-link01"));
  ui::RemoveStaleStaging(dbf::SystemFileSystem(), dir.dir());
  for (const auto& f : files) EXPECT_EQ(std::filesystem::exists(dir.Path(f.name)), !f.goes) << f.name;
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path(".dbfview-save-link01")));
}
