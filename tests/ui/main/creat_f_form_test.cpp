#include "creat_f_form.h"
#include "main_window_fixture.h"
#include "structure_commands.h"
#include "structure_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest/QTest>

using structuretest::Descriptor;
using structuretest::Padded;
using testsupport::FieldSpec;
using testsupport::ReadFile;
using testsupport::U16At;
using testsupport::U32At;

namespace {

const char kRemoved[] = "Структура файла изменена.\r\nПоле удалено!";

class DeleteFieldDialogTest : public MainWindowTest {
 protected:
  TCreat_FForm& Dialog() { return *form->StructureCommands->Creat_FForm; }

  // Opens an empty table with the fields and the dialog on it.
  std::string OpenDialogOn(const std::vector<FieldSpec>& fields) {
    const std::string path = dir.Path("fields.dbf");
    testsupport::WriteFile(path, structuretest::EmptyTable(fields));
    OpenFromMenu(path);
    form->Deletedfield1->trigger();
    return path;
  }

  std::vector<std::string> Listed() {
    std::vector<std::string> names;
    for (int i = 0; i < Dialog().ComboBox1->count(); ++i) names.push_back(Dialog().ComboBox1->itemText(i).toStdString());
    return names;
  }

  void Remove(const char* name) {
    Dialog().Edit1->setText(QString::fromUtf8(name));
    Dialog().Button2->click();
  }
};

}  // namespace

TEST_F(DeleteFieldDialogTest, OpensOnlyForATableWithoutRecords) {
  OpenFromMenu(WritePeople());
  form->Deletedfield1->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Необходимо очистить файл!"});
  EXPECT_TRUE(Dialog().isHidden());
  EXPECT_FALSE(form->isHidden());
}

TEST_F(DeleteFieldDialogTest, RemovesTheNamedFieldsAndListsTheRest) {
  const std::string path = OpenDialogOn({{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}, {"SUM", 'N', 5}});
  EXPECT_TRUE(form->isHidden());
  EXPECT_FALSE(Dialog().isHidden());
  EXPECT_EQ(Dialog().windowTitle(), "Deleted Field file DBF");
  EXPECT_EQ(Dialog().Label4->text().toStdString(), path);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"NAME", "SUM", "OK", "SUM"}));

  // Picking from the list by Enter, in small letters: both SUM go at once.
  Dialog().ComboBox1->setCurrentIndex(1);
  QTest::keyClick(Dialog().ComboBox1, Qt::Key_Return);
  EXPECT_EQ(Dialog().Edit1->text(), "SUM");
  QTest::keyClick(Dialog().Edit1, Qt::Key_Return);
  EXPECT_EQ(Dialog().focusWidget(), Dialog().Button2);
  Remove(" sum ");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{kRemoved});
  EXPECT_EQ(Listed(), (std::vector<std::string>{"NAME", "OK"}));

  const std::string bytes = ReadFile(path);
  EXPECT_EQ(U16At(bytes, 8), 32 * 3 + 1);
  EXPECT_EQ(U32At(bytes, 10), 12u);
  EXPECT_EQ(Descriptor(bytes, 1).substr(0, 10), Padded("OK"));
  EXPECT_EQ(U32At(Descriptor(bytes, 1), 12), 11u);
  EXPECT_EQ(bytes.size(), 32u * 3 + 2);

  Dialog().Button3->click();
  EXPECT_TRUE(Dialog().isHidden());
  EXPECT_FALSE(form->isHidden());
  EXPECT_EQ(Cell(0, 2), "SUM");  // the grid is as it was
}

TEST_F(DeleteFieldDialogTest, RemovingTheOnlyFieldLeavesAnEmptyList) {
  const std::string path = OpenDialogOn({{"NAME", 'C', 10}});
  Remove("NAME");
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{kRemoved, "No field in file!"}));
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(ReadFile(path).size(), 34u);
  EXPECT_FALSE(Dialog().isHidden());

  // The table without fields still opens the dialog, which has nothing to list.
  Dialog().close();
  EXPECT_FALSE(form->isHidden());
  dialogs.messages.clear();
  OpenFromMenu(path);
  form->Deletedfield1->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"No field in file!"});
  EXPECT_FALSE(Dialog().isHidden());
}

TEST_F(DeleteFieldDialogTest, TheTitleBarCloseShowsTheMainWindowAgain) {
  OpenDialogOn({{"NAME", 'C', 10}});
  Dialog().close();
  EXPECT_TRUE(Dialog().isHidden());
  EXPECT_FALSE(form->isHidden());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DeleteFieldDialogTest, AFailedWriteLeavesTheTableAsItWas) {
  const std::string path = OpenDialogOn({{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}});
  const std::string before = ReadFile(path);
  {
    structuretest::FileSizeLimit limit(70);
    Remove("NAME");
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find(structuretest::TooLargeText()), std::string::npos) << dialogs.messages[0];
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"NAME", "SUM", "OK"}));
  EXPECT_TRUE(exits.empty());
}
