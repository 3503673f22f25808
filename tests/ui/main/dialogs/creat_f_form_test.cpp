#include "creat_f_form.h"
#include "main_window_fixture.h"
#include "structure_commands.h"
#include "structure_test_support.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QtTest/QTest>

using testsupport::FieldSpec;
using testsupport::ReadFile;

namespace {

const char kRemoved[] = "Структура файла изменена.\r\nПоле удалено!";
const char kNotFound[] = "Поле не найдено!";

class DeleteFieldDialogTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Dialog().onStructureChanged = [this, window = Dialog().onStructureChanged](const std::string& path) {
      changed.push_back(path);
      window(path);
    };
  }

  TCreat_FForm& Dialog() { return *form->Controls().StructureCommands->Creat_FForm; }

  // Opens an empty table with the fields and the dialog on it.
  std::string OpenDialogOn(const std::vector<FieldSpec>& fields) {
    const std::string path = dir.Path("fields.dbf");
    testsupport::WriteFile(path, structuretest::EmptyTable(fields));
    OpenFromMenu(path);
    form->Controls().Deletedfield1->trigger();
    return path;
  }

  std::string Listed() {
    std::string names;
    for (int i = 0; i < Dialog().ComboBox1->count(); ++i) names += Dialog().ComboBox1->itemText(i).toStdString() + " ";
    return names;
  }

  void Remove(const char* name) {
    Dialog().Edit1->setText(QString::fromUtf8(name));
    Dialog().Button2->click();
  }

  // The paths onStructureChanged was called with.
  std::vector<std::string> changed;
};

}  // namespace

TEST_F(DeleteFieldDialogTest, RemovesTheNamedFieldsWhileTheMainWindowIsHidden) {
  OpenFromMenu(WritePeople());
  form->Controls().Deletedfield1->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Необходимо очистить файл!"});
  EXPECT_TRUE(Dialog().isHidden());
  dialogs.messages.clear();

  const std::string path = OpenDialogOn({{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}, {"SUM", 'N', 5}});
  EXPECT_TRUE(form->isHidden());
  EXPECT_FALSE(Dialog().isHidden());
  EXPECT_EQ(Dialog().Label4->text().toStdString(), path);
  EXPECT_EQ(Listed(), "NAME SUM OK SUM ");
  // Picked from the list by Enter; typed in small letters both SUM go at once.
  Dialog().ComboBox1->setCurrentIndex(1);
  QTest::keyClick(Dialog().ComboBox1, Qt::Key_Return);
  EXPECT_EQ(Dialog().Edit1->text(), "SUM");
  QTest::keyClick(Dialog().Edit1, Qt::Key_Return);
  EXPECT_EQ(Dialog().focusWidget(), Dialog().Button2);
  Remove(" sum ");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{kRemoved});
  EXPECT_EQ(changed, std::vector<std::string>{path});
  EXPECT_EQ(Listed(), "NAME OK ");
  EXPECT_EQ(ReadFile(path), structuretest::EmptyTable({{"NAME", 'C', 10, 0, 1}, {"OK", 'L', 1, 0, 11}}));

  Dialog().Button3->click();
  EXPECT_TRUE(Dialog().isHidden());
  EXPECT_FALSE(form->isHidden());
  // The grid's columns are the table's fields again.
  ASSERT_EQ(form->Controls().StringGrid1->ColCount(), 3);
  EXPECT_EQ(Cell(0, 1), "NAME");
  EXPECT_EQ(Cell(0, 2), "OK");
}

TEST_F(DeleteFieldDialogTest, AFieldPickedFromTheListGoesToTheNameBoxAndANameNoFieldHasChangesNothing) {
  const std::string path = OpenDialogOn({{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}});
  const struct { const char* how; std::function<void()> pick; const char* picked; } picks[] = {
      {"mouse",
       [this] {
         Dialog().ComboBox1->showPopup();
         QAbstractItemView* view = Dialog().ComboBox1->view();
         const QPoint item = view->visualRect(view->model()->index(2, 0)).center();
         QTest::mouseMove(view->viewport(), item);
         QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
       },
       "OK"},
      {"arrow key", [this] { QTest::keyClick(Dialog().ComboBox1, Qt::Key_Up); }, "SUM"},
  };
  for (const auto& pick : picks) {
    Dialog().Edit1->clear();
    Dialog().ComboBox1->setFocus();
    pick.pick();
    EXPECT_EQ(Dialog().Edit1->text(), pick.picked) << pick.how;
    EXPECT_EQ(Dialog().focusWidget(), Dialog().Edit1) << pick.how;
  }
  EXPECT_TRUE(dialogs.messages.empty());

  // A name no field has changes nothing; the offsets of 0, as some writers
  // leave them, would show a rewritten header at once.
  const std::string before = ReadFile(path);
  Remove("NOSUCH");
  Remove("NAMES");
  Remove("");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(3, kNotFound));
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(Listed(), "NAME SUM OK ");
  EXPECT_TRUE(changed.empty());

  // A table gone from the disk is told, naming it.
  std::filesystem::remove(path);
  dialogs.messages.clear();
  Remove("NAME");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].rfind("Файл " + path + " удалён после загрузки строк таблицы.", 0), 0u);
  EXPECT_TRUE(changed.empty());
  EXPECT_TRUE(exits.empty());
}

TEST_F(DeleteFieldDialogTest, RemovingTheOnlyFieldLeavesATableTheDialogStillOpensOn) {
  const std::string path = OpenDialogOn({{"NAME", 'C', 10}});
  Remove("NAME");
  EXPECT_EQ(Listed(), "");
  EXPECT_EQ(ReadFile(path).size(), 34u);
  // Closed by the title bar; the table without fields opens it again.
  Dialog().close();
  EXPECT_TRUE(Dialog().isHidden());
  EXPECT_FALSE(form->isHidden());
  OpenFromMenu(path);
  form->Controls().Deletedfield1->trigger();
  EXPECT_FALSE(Dialog().isHidden());
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{kRemoved, "No field in file!", "No field in file!"}));
}

