#include "main_window_fixture.h"
#include "string_grid.h"
#include "structure_test_support.h"

#include <QLineEdit>
#include <QtTest/QTest>

using structuretest::NameBytes;
using structuretest::Padded;
using testsupport::ReadFile;

namespace {

class RenamePanelTest : public MainWindowTest {
 protected:
  TRenamePanel& Panel() { return *form->Panel7; }

  void Rename(const char* oldName, const char* newName) {
    Panel().Edit12->setText(QString::fromUtf8(oldName));
    Panel().Edit13->setText(QString::fromUtf8(newName));
    Panel().Button15->click();
  }

  void KeyInList(Qt::Key key) { QTest::keyClick(Panel().StringGrid4, key); }
};

}  // namespace

TEST_F(RenamePanelTest, TheFieldListFillsEdit12OnEnterAndLeavesItOnEscape) {
  OpenFromMenu(WritePeople());
  form->N11->trigger();
  Panel().Button17->click();
  ui::StringGrid& list = *Panel().StringGrid4;
  EXPECT_FALSE(list.isHidden());
  EXPECT_FALSE(Panel().isEnabled());
  ASSERT_EQ(list.RowCount(), 4);
  EXPECT_EQ(list.Cell(0, 2), ui::EncodeTyped(QString::fromUtf8("Имя поля")));
  EXPECT_EQ(list.Cell(2, 0), "    2");
  EXPECT_EQ(list.Cell(2, 1), "N ( 8.2 )");
  EXPECT_EQ(list.Cell(2, 2), "SUM");

  list.SetSelectedCell(2, 2);
  KeyInList(Qt::Key_Return);
  EXPECT_EQ(Panel().Edit12->text(), "SUM");
  EXPECT_EQ(Panel().StaticText3->text(), "N ( 8.2 )");
  EXPECT_TRUE(list.isHidden());
  EXPECT_TRUE(Panel().isEnabled());
  EXPECT_EQ(form->focusWidget(), Panel().Edit13);

  Panel().Button17->click();
  list.SetSelectedCell(1, 2);
  KeyInList(Qt::Key_Escape);
  EXPECT_EQ(Panel().Edit12->text(), "SUM");
  EXPECT_TRUE(list.isHidden());
  EXPECT_TRUE(Panel().isEnabled());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RenamePanelTest, RenamesTheDescriptorInPlaceAndRefreshesTheGridHeader) {
  const std::string path = WritePeople();
  const std::string before = ReadFile(path);
  OpenFromMenu(path);
  form->N11->trigger();
  Rename(" sum ", "Itog");
  EXPECT_TRUE(dialogs.messages.empty());
  std::string expected = before;
  expected.replace(64, 10, Padded("Itog"));
  EXPECT_EQ(ReadFile(path), expected);
  EXPECT_EQ(Cell(0, 2), "Itog");
  EXPECT_EQ(Cell(3, 1), "Carol");  // the rows stay

  // A name another field has is taken too.
  Rename("itog", "NAME");
  EXPECT_EQ(NameBytes(ReadFile(path), 1), Padded("NAME"));
}

TEST_F(RenamePanelTest, RefusesWhatCannotBeRenamed) {
  const std::string path = WritePeople();
  const std::string before = ReadFile(path);
  OpenFromMenu(path);
  form->N11->trigger();
  Rename("SUM", "  ");
  Rename("SUM", "ELEVENCHARS");
  Rename("NOSUCH", "OTHER");
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Ошибка нового имени поля!", "Ошибка нового имени поля!",
                                                        "Error name field for correct!"}));
  EXPECT_EQ(ReadFile(path), before);

  dialogs.messages.clear();
  std::filesystem::remove(path);
  Panel().Button17->click();
  Rename("SUM", "OTHER");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(2, "Файл не обнаружен!"));
}

TEST_F(RenamePanelTest, AHeaderWithoutDescriptorsGivesNoFieldInFile) {
  const std::string path = WritePeople();
  OpenFromMenu(path);
  std::string bytes = ReadFile(path);
  bytes[8] = 63;
  bytes[9] = 0;
  testsupport::WriteFile(path, bytes);
  form->N11->trigger();
  Panel().Button17->click();
  Rename("SUM", "OTHER");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(2, "No field in file!"));
  EXPECT_TRUE(Panel().StringGrid4->isHidden());
  EXPECT_EQ(ReadFile(path), bytes);
}

TEST_F(RenamePanelTest, AFailedWriteLeavesNoHalfWrittenDescriptor) {
  const std::string path = WritePeople();
  const std::string before = ReadFile(path);
  OpenFromMenu(path);
  form->N11->trigger();
  {
    // The descriptor of SUM spans bytes 64 .. 95: the write stops inside it.
    structuretest::FileSizeLimit limit(70);
    Rename("SUM", "ITOGO");
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find(structuretest::TooLargeText()), std::string::npos) << dialogs.messages[0];
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(Cell(0, 2), "SUM");
  EXPECT_TRUE(exits.empty());
}
