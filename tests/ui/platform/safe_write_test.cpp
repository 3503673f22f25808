#include "process_limits.h"
#include "safe_write.h"
#include "table_bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

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


}  // namespace

class FileReplaceTest : public ::testing::Test {
 protected:
  // Writes `text` as the new contents either way.
  FileRewrite WriteText(const std::string& text) {
    FileRewrite rewrite;
    rewrite.writeNew = [text](const std::string& file) { WriteFile(file, text); };
    rewrite.writeInPlace = rewrite.writeNew;
    return rewrite;
  }

  testsupport::TempDir dir;
  std::string path = dir.Path("table.dbf");
};

TEST_F(FileReplaceTest, ANewFileTakesThePlaceKeepingOwnerModeAndAttributes) {
  WriteFile(path, "old");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(chown(path.c_str(), testsupport::kOtherUser, testsupport::kOtherUser), 0) << "needs root";
  const bool userAttributes = setxattr(path.c_str(), "user.origin", "bank", 4, 0) == 0;
  const bool acls = std::system(("setfacl -m u:12345:rw '" + path + "' 2>/dev/null").c_str()) == 0;
  const struct stat before = StatOf(path);
  const std::string acl = Attribute(path, "system.posix_acl_access");

  EXPECT_EQ(ReplaceFileContents(path, WriteText("new contents")), RewriteWay::NewFile);

  const struct stat after = StatOf(path);
  EXPECT_EQ(ReadFile(path), "new contents");
  EXPECT_NE(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(after.st_mode, before.st_mode);
  if (userAttributes) {
    EXPECT_EQ(Attribute(path, "user.origin"), "bank");
  }
  if (acls) {
    EXPECT_EQ(Attribute(path, "system.posix_acl_access"), acl);
  }
  EXPECT_EQ(dir.FileCount(), 1u);
  if (!acls) GTEST_SKIP() << "the file system refuses access control lists; the rest was checked";
}

TEST_F(FileReplaceTest, LinksAndOwnersThatCannotBeKeptAreRewrittenInPlace) {
  WriteFile(path, "old");
  const std::string link = dir.Path("other-name.dbf");
  ASSERT_EQ(::link(path.c_str(), link.c_str()), 0);
  EXPECT_EQ(ReplaceFileContents(path, WriteText("shared")), RewriteWay::InPlace);
  EXPECT_EQ(ReadFile(link), "shared");
  ASSERT_EQ(unlink(link.c_str()), 0);

  const ino_t inode = StatOf(path).st_ino;
  FileRewrite rewrite = WriteText("kept owner");
  rewrite.changeOwner = [](int, uid_t, gid_t) {
    errno = EPERM;
    return -1;
  };
  EXPECT_EQ(ReplaceFileContents(path, rewrite), RewriteWay::InPlace);
  EXPECT_EQ(ReadFile(path), "kept owner");
  EXPECT_EQ(StatOf(path).st_ino, inode);
  EXPECT_EQ(dir.FileCount(), 1u);
}

TEST_F(FileReplaceTest, AFolderThatRefusesNewFilesTakesTheInPlaceWay) {
  WriteFile(path, "old");
  ASSERT_EQ(chown(path.c_str(), testsupport::kOtherUser, testsupport::kOtherUser), 0) << "needs root";
  ASSERT_EQ(chmod(dir.dir().c_str(), 0555), 0);
  const int way = testsupport::RunAsOtherUser(
      [&] { return static_cast<int>(ReplaceFileContents(path, WriteText("newer"))); });
  chmod(dir.dir().c_str(), 0700);
  EXPECT_EQ(way, static_cast<int>(RewriteWay::InPlace));
  EXPECT_EQ(ReadFile(path), "newer");
}

TEST_F(FileReplaceTest, AFailureLeavesTheOldFileWholeAndNoNewFileBehind) {
  WriteFile(path, "old contents");
  FileRewrite rewrite = WriteText("");
  rewrite.writeNew = [](const std::string& file) {
    WriteFile(file, "half");
    throw std::system_error(ENOSPC, std::generic_category(), file);
  };
  EXPECT_THROW(ReplaceFileContents(path, rewrite), std::system_error);
  EXPECT_EQ(ReadFile(path), "old contents");
  EXPECT_EQ(dir.FileCount(), 1u);

  // A file that may not be written is refused, not replaced through its folder.
  ASSERT_EQ(chown(path.c_str(), 0, 0), 0) << "needs root";
  ASSERT_EQ(chmod(path.c_str(), 0644), 0);
  ASSERT_EQ(chmod(dir.dir().c_str(), 0777), 0);
  const int refused = testsupport::RunAsOtherUser([&] {
    try {
      ReplaceFileContents(path, WriteText("intruder"));
    } catch (const std::system_error& e) {
      return e.code().value() == EACCES ? 1 : 2;
    }
    return 0;
  });
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(ReadFile(path), "old contents");
}
