#include "main_window_fixture.h"
#include "structure_test_support.h"

using testsupport::ReadFile;

namespace {

const char kCopied[] = "Копирование структуры выполнено!";
const char kDuplicate[] = "Отмена копирования!\r\nDublicate file!";

class CopyStructureTest : public MainWindowTest {
 protected:
  void CopyTo(const std::string& path) {
    dialogs.WillOpen(path);
    form->Controls().CopyStructurefile1->trigger();
  }
};

}  // namespace

TEST_F(CopyStructureTest, WritesTheHeaderWithoutRecordsUnderANewName) {
  form->Controls().CopyStructurefile1->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"File not open!"});
  const std::string source = WritePeople();
  const std::string original = ReadFile(source);
  OpenFromMenu(source);
  testsupport::WriteFile(dir.Path("other.dbf"), "keep me");
  CopyTo(dir.Path("copy.dbf"));
  CopyTo(dir.Path("other.dbf"));
  CopyTo(dir.Path("other"));  // whose ".dbf" form exists
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"File not open!", kCopied, kDuplicate, kDuplicate}));

  std::string expected = original.substr(0, 32 + 3 * 32 + 1) + "\x1A";
  expected.replace(4, 4, std::string(4, '\0'));
  EXPECT_EQ(ReadFile(dir.Path("copy.dbf")), expected);
  EXPECT_EQ(ReadFile(dir.Path("other.dbf")), "keep me");
  EXPECT_EQ(ReadFile(source), original);
}

// The grid still holds the old table's rows after "Create File": saving them
// must not fill the new empty table, nor touch the old one.
TEST_F(MainWindowTest, SaveAfterCreateFileWritesNeitherTable) {
  const std::string source = WritePeople();
  const std::string original = ReadFile(source);
  OpenFromMenu(source);
  const std::string created = dir.Path("new.dbf");
  dialogs.saveAnswers.push_back(ui::FileChoice{created, 1});
  form->Controls().CreateFile1->trigger();
  ASSERT_EQ(form->Table().TablePath(), created);
  const std::string empty = ReadFile(created);
  dialogs.messages.clear();

  form->Controls().Save1->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "Строки таблицы загружены из файла " + source + ",\r\nа текущий файл " + created +
                                     ".\r\nКоманда не выполнена!");
  EXPECT_EQ(ReadFile(created), empty);
  EXPECT_EQ(ReadFile(source), original);
  EXPECT_TRUE(exits.empty());
}
