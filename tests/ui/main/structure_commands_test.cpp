#include "main_window_fixture.h"
#include "structure_test_support.h"

using testsupport::ReadFile;
using testsupport::U32At;

namespace {

const char kCopied[] = "Копирование структуры выполнено!";
const char kDuplicate[] = "Отмена копирования!\r\nDublicate file!";

class CopyStructureTest : public MainWindowTest {
 protected:
  void CopyTo(const std::string& path) {
    dialogs.WillOpen(path);
    form->CopyStructurefile1->trigger();
  }
};

}  // namespace

TEST_F(CopyStructureTest, NeedsAnOpenTable) {
  form->CopyStructurefile1->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"File not open!"});
  EXPECT_TRUE(dialogs.openFilters.empty());
}

TEST_F(CopyStructureTest, WritesTheHeaderWithoutRecords) {
  const std::string source = WritePeople();
  OpenFromMenu(source);
  CopyTo(dir.Path("copy.dbf"));
  // A name typed without extension gets ".dbf".
  CopyTo(dir.Path("bare"));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(2, kCopied));
  EXPECT_EQ(form->SecondPath, dir.Path("bare"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path("bare")));

  const std::string original = ReadFile(source);
  const size_t headerSize = 32 + 3 * 32 + 1;
  std::string expected = original.substr(0, headerSize) + "\x1A";
  expected.replace(4, 4, std::string(4, '\0'));  // no records
  EXPECT_EQ(ReadFile(dir.Path("copy.dbf")), expected);
  EXPECT_EQ(ReadFile(dir.Path("bare.dbf")), expected);
  EXPECT_EQ(ReadFile(source), original);
}

TEST_F(CopyStructureTest, NeverReplacesAnExistingTable) {
  OpenFromMenu(WritePeople());
  const std::string other = dir.Path("other.dbf");
  testsupport::WriteFile(other, "keep me");
  CopyTo(other);
  // The name without extension whose ".dbf" form exists.
  CopyTo(dir.Path("other"));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(2, kDuplicate));
  EXPECT_EQ(ReadFile(other), "keep me");
}

TEST_F(CopyStructureTest, AFailedWriteReportsTheErrorAndLeavesNoCopy) {
  const std::string source = WritePeople();
  const std::string original = ReadFile(source);
  OpenFromMenu(source);
  {
    structuretest::FileSizeLimit limit(100);
    CopyTo(dir.Path("copy.dbf"));
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find(structuretest::TooLargeText()), std::string::npos) << dialogs.messages[0];
  EXPECT_FALSE(std::filesystem::exists(dir.Path("copy.dbf")));
  EXPECT_EQ(ReadFile(source), original);
  EXPECT_TRUE(exits.empty());
}
