#include "column_commands.h"
#include "panel_fixture.h"
#include "people_table.h"
#include "rename_panel.h"
#include "sort_panel.h"
#include "string_grid.h"
#include "structure_test_support.h"

#include <QApplication>
#include <QtTest/QTest>

using structuretest::Padded;
using testsupport::ReadFile;

namespace {

class RenamePanelTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    path = testsupport::WritePeople(dir);
    before = ReadFile(path);
    Open(path);
    guard.Run([this] { panel.N11Click(); });
  }


  void Rename(const char* oldName, const char* newName) {
    panel.Edit12->setText(QString::fromUtf8(oldName));
    panel.Edit13->setText(QString::fromUtf8(newName));
    panel.Button15->click();
  }

  void PickFromList(int row, Qt::Key key) {
    panel.Button17->click();
    panel.StringGrid4->SetSelectedCell(row, 2);
    QTest::keyClick(panel.StringGrid4, key);
  }

  std::string path;
  std::string before;
  TRenamePanel& panel = *new TRenamePanel(context);
};

}  // namespace

TEST_F(RenamePanelTest, TheFieldListFillsEdit12OnEnterAndLeavesItOnEscape) {
  ui::StringGrid& list = *panel.StringGrid4;
  panel.Button17->click();
  EXPECT_FALSE(list.isHidden());
  EXPECT_FALSE(panel.isEnabled());
  ASSERT_EQ(list.RowCount(), 4);
  EXPECT_EQ(list.Cell(2, 0) + "|" + list.Cell(2, 1) + "|" + list.Cell(2, 2), "    2|N ( 8.2 )|SUM");

  PickFromList(2, Qt::Key_Return);
  EXPECT_EQ(panel.Edit12->text(), "SUM");
  EXPECT_EQ(panel.StaticText3->text(), "N ( 8.2 )");
  EXPECT_EQ(window.focusWidget(), panel.Edit13);
  PickFromList(1, Qt::Key_Escape);
  EXPECT_EQ(panel.Edit12->text(), "SUM");
  EXPECT_TRUE(list.isHidden());
  EXPECT_TRUE(panel.isEnabled());

  // A double-click picks the field as Enter does.
  panel.Button17->click();
  QApplication::processEvents();
  const QRect ok = list.visualRect(list.model()->index(2, 1));  // row 3, the name column
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, ok.center());
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, ok.center());
  EXPECT_EQ(panel.Edit12->text(), "OK");
  EXPECT_EQ(panel.StaticText3->text(), "L ( 1.0 )");
  EXPECT_TRUE(list.isHidden());
  EXPECT_TRUE(panel.isEnabled());

  // Closing the panel (asked about, as a field was picked) for another one
  // closes its list too.
  panel.Button17->click();
  dialogs.askAnswers.push_back(true);
  TSortPanel other(context);
  guard.Run([&] { other.Sortedfile1Click(); });
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_TRUE(list.isHidden());
  EXPECT_TRUE(panel.isHidden());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RenamePanelTest, RenamesTheDescriptorInPlaceInCapitalsAndRefreshesTheGridHeader) {
  Rename(" sum ", "Itog");
  EXPECT_TRUE(dialogs.messages.empty());
  std::string expected = before;
  expected.replace(64, 10, Padded("ITOG"));
  EXPECT_EQ(ReadFile(path), expected);
  EXPECT_EQ(Cell(0, 2), "ITOG");
  EXPECT_EQ(Cell(3, 1), "Carol");
  // The column commands, which look names up in capitals, find it.
  QLineEdit column(QStringLiteral("itog"));
  TColumnCommands(context, column).Button4Click();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Сумма= " + std::string(15, ' ') + "15.50"});
  // Cyrillic small letters become capitals of code page 1251; a name another
  // field has is taken too.
  Rename("itog", "итог");
  EXPECT_EQ(ReadFile(path).substr(64, 10), Padded("\xC8\xD2\xCE\xC3"));
  Rename("итог", "NAME");
  EXPECT_EQ(ReadFile(path).substr(64, 10), Padded("NAME"));
}

TEST_F(RenamePanelTest, RefusesWhatCannotBeRenamed) {
  Rename("SUM", "  ");
  Rename("SUM", "ELEVENCHARS");
  Rename("NOSUCH", "OTHER");
  std::string shortHeader = before;
  structuretest::SetHeaderSize(shortHeader, 63);
  testsupport::WriteFile(path, shortHeader);
  panel.Button17->click();
  Rename("SUM", "OTHER");
  EXPECT_EQ(ReadFile(path), shortHeader);
  std::filesystem::remove(path);
  panel.Button17->click();
  Rename("SUM", "OTHER");
  const std::string gone = "Файл " + path +
                           " удалён после загрузки строк таблицы.\r\nСтроки можно сохранить в новый файл командой "
                           "\"Save as :\".\r\nКоманда не выполнена!";
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Ошибка нового имени поля!", "Ошибка нового имени поля!",
                                                        "Error name field for correct!", "No field in file!",
                                                        "No field in file!", gone, gone}));
  EXPECT_TRUE(panel.StringGrid4->isHidden());
  EXPECT_FALSE(std::filesystem::exists(path));  // no file made in its place
}

