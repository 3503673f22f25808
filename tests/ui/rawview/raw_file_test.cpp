#include "raw_doc.h"
#include "process_limits.h"
#include "raw_file.h"
#include "table_bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

using rawview::LoadFile;
using rawview::LoadResult;
using rawview::RawDocument;
using rawview::SaveTable;
using testsupport::ReadFile;
using testsupport::WriteFile;

class RawFileTest : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
  std::string path = dir.Path("data.bin");
  ui::FileServices files;
};

TEST_F(RawFileTest, BadCellsOrAMissingFileAreRefusedAndAnEmptyTableWritesNothing) {
  WriteFile(path, Letters(20));
  RawDocument doc = DocOf(Letters(20));
  doc.cells.SetText(2, "256");
  doc.cells.SetText(3, "-1");
  doc.cells.SetText(4, "1a");
  doc.cells.SetText(5, "");
  EXPECT_EQ(SaveTable(files, doc, path, true, "done"), "Обнаружено ошибок :            4\r\nЗапись не выполнена!");
  EXPECT_EQ(ReadFile(path), Letters(20));

  // A missing file is refused, and an empty table writes nothing.
  doc = DocOf("abc");
  EXPECT_EQ(SaveTable(files, doc, dir.Path("gone"), true, "done"), "Нет файла!");
  EXPECT_FALSE(std::filesystem::exists(dir.Path("gone")));

  RawDocument empty = DocOf("");
  EXPECT_EQ(SaveTable(files, empty, dir.Path("new"), false, "done"), "");
  EXPECT_FALSE(std::filesystem::exists(dir.Path("new")));
}

TEST_F(RawFileTest, ANamedPipeLoadsEmptyWithoutWaitingForAWriter) {
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  RawDocument doc = DocOf("abc");
  alarm(10);  // a load that waits for a writer ends the run instead of hanging it
  EXPECT_EQ(LoadFile(path, doc), LoadResult::Loaded);
  alarm(0);
  EXPECT_EQ(doc.FileLength, 0);
}

// Owner, mode and the ways of writing are the safe write's; here the link.
TEST_F(RawFileTest, SaveFollowsLinks) {
  WriteFile(path, "old");
  const std::string link = dir.Path("link");
  std::filesystem::create_symlink(path, link);
  RawDocument doc = DocOf("new bytes");
  SaveTable(files, doc, link, true, "done");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFile(path), "new bytes");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.dir()), {}), 2);
}

TEST_F(RawFileTest, AFailedWriteLeavesTheOldFileWhole) {
  WriteFile(path, Letters(40));
  RawDocument doc = DocOf(Letters(200));
  std::string error;
  {
    testsupport::FileSizeLimit limit(100);  // the write fails part way, as on a full disk
    try {
      rawview::WriteTable(files, doc, path);
    } catch (const std::system_error& e) {
      error = e.what();
    }
  }
  EXPECT_NE(error.find("File too large"), std::string::npos) << error;
  EXPECT_EQ(ReadFile(path), Letters(40));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.dir()), {}), 1);
}

// What another program appended or replaced is not overwritten; saving
// elsewhere still works, and the view's own saves are no changes.
TEST_F(RawFileTest, AFileChangedOrReplacedSinceLoadingIsNotOverwritten) {
  const std::string refused = "Файл " + path + " изменён другой программой после загрузки.\r\nЗапись не выполнена!";
  for (const bool replaced : {false, true}) {
    SCOPED_TRACE(replaced ? "replaced" : "appended to");
    WriteFile(path, Letters(20));
    RawDocument doc;
    LoadFile(path, doc);
    EXPECT_EQ(SaveTable(files, doc, path, true, "done"), "done");
    EXPECT_EQ(SaveTable(files, doc, path, true, "done"), "done");
    if (replaced) {
      WriteFile(dir.Path("new.bin"), "other");
      std::filesystem::rename(dir.Path("new.bin"), path);
    } else {
      WriteFile(path, Letters(20) + "more");
    }
    const std::string theirs = ReadFile(path);
    EXPECT_EQ(SaveTable(files, doc, path, true, "done"), refused);
    EXPECT_EQ(ReadFile(path), theirs);
    EXPECT_EQ(SaveTable(files, doc, dir.Path("copy.bin"), false, "done"), "done");
    EXPECT_EQ(ReadFile(dir.Path("copy.bin")), Letters(20));
  }
}
