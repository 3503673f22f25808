#include "main_window_fixture.h"

#include "process_limits.h"
#include "record_editing.h"
#include "record_store.h"

#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

// The fields of the fixture's people table.
const std::vector<FieldSpec> kPeople{{"NAME", 'C', 10}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}};

ino_t InodeOf(const std::string& path) {
  struct stat st {};
  stat(path.c_str(), &st);
  return st.st_ino;
}

}  // namespace

class RecordEditingTest : public MainWindowTest {
 protected:
  // Opens the people table and edits it: a name typed into the cell editor,
  // a sum with a comma, a logical cell in small letters; the rows nobody
  // touched are written as they were read.
  std::string OpenAndEditPeople() {
    const std::string path = WritePeople();
    OpenFromMenu(path);
    form->Controls().StringGrid1->SetSelectedCell(1, 1);
    form->Controls().N5->trigger();
    QTest::keyClick(form->Controls().StringGrid1, Qt::Key_F2);
    auto* editor = form->Controls().StringGrid1->findChild<QLineEdit*>();
    EXPECT_NE(editor, nullptr);
    if (editor) {
      editor->selectAll();
      QTest::keyClicks(editor, "  Anna ");  // left open: the save takes what is typed
    }
    form->Controls().StringGrid1->SetCell(1, 2, "12,5");
    form->Controls().StringGrid1->SetCell(3, 3, "t");
    return path;
  }

  const std::string kEditedPeople = TableBytes(TableLayout{
      kPeople,
      {Record(kPeople, {"Anna", "   12.50", "T"}), Record(kPeople, {"Bob", "    3.00", "F"}, true),
       Record(kPeople, {"Carol  \x01", "", "T"})}});
};

// A second hard link, or a folder the user may not write, keeps the save in
// the table file itself, with the same bytes as through a new file.
TEST_F(RecordEditingTest, SavingInPlaceWritesTheSameBytesAsThroughANewFile) {
  for (const bool readOnlyFolder : {false, true}) {
    SCOPED_TRACE(readOnlyFolder);
    StartAfresh();
    const std::string path = OpenAndEditPeople();
    const ino_t before = InodeOf(path);
    if (!readOnlyFolder) {
      ASSERT_EQ(::link(path.c_str(), dir.Path("people-link.dbf").c_str()), 0);
      form->Controls().Save1->trigger();
    } else {
      SKIP_UNLESS_ROOT();
      ASSERT_EQ(chown(path.c_str(), testsupport::kOtherUser, testsupport::kOtherUser), 0);
      ASSERT_EQ(chmod(dir.dir().c_str(), 0555), 0);
      const int saved = testsupport::RunAsOtherUser([&] {
        form->Controls().Save1->trigger();
        // The other user may not keep the table for undo, which is told first.
        return dialogs.messages.back() == "Сохранение выполнено!" ? 0 : 1;
      });
      chmod(dir.dir().c_str(), 0700);
      EXPECT_EQ(saved, 0);
    }
    EXPECT_EQ(InodeOf(path), before);
    EXPECT_EQ(ReadFile(path), kEditedPeople);
  }
}

// Inserted rows leave the marks where they are; once saved, the rows are
// numbered as the records now are and show what was stored.
TEST_F(RecordEditingTest, RowsAreInsertedBeforeAndAfterWithColumnZeroStayingAndSavedAsStored) {
  const std::string path = WritePeople();
  OpenFromMenu(path);
  ui::StringGrid& grid = *form->Controls().StringGrid1;
  grid.SetSelectedCell(2, 1);
  form->Controls().N8->trigger();  // before "Bob", whose row carries the mark
  grid.SetSelectedCell(4, 1);
  form->Controls().N9->trigger();  // after "Carol", the last row
  ASSERT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(std::vector<std::string>({Cell(2, 0), Cell(2, 1), Cell(3, 0), Cell(3, 1), Cell(4, 1), Cell(5, 0), Cell(5, 1)}),
            std::vector<std::string>({"      2 Delete", "", "      3", "Bob", "Carol", "", ""}));
  EXPECT_EQ(grid.Row(), 4);

  grid.SetCell(5, 2, "123,45");
  form->Controls().Save1->trigger();
  EXPECT_EQ(ReadFile(path), TableBytes(TableLayout{kPeople,
                                                   {Record(kPeople, {"\x88\xa2\xa0\xad\xae\xa2", "   12.50", "T"}),
                                                    Record(kPeople, {"", "    0.00", "F"}, true),
                                                    Record(kPeople, {"Bob", "    3.00", "F"}),
                                                    Record(kPeople, {"Carol  \x01", "", ""}),
                                                    Record(kPeople, {"", "  123.45", "F"})}}));
  EXPECT_EQ(std::vector<std::string>({Cell(2, 0), Cell(5, 0), Cell(5, 2)}),
            std::vector<std::string>({"      2 Delete", "      5", "  123.45"}));
  EXPECT_EQ(Shown(form->Controls().StaticText1), "      5 записей.");
  EXPECT_EQ(grid.Row(), 4);
}

// Saved rows show as stored and their marks as the records' flags now are,
// as reading the table again shows them; rows so shown save again.
TEST_F(RecordEditingTest, SavedEditsShowWhatReadingTheTableAgainShows) {
  OpenAndEditPeople();
  ui::StringGrid& grid = *form->Controls().StringGrid1;
  grid.SetCell(2, 0, "2");             // Bob's mark taken off
  grid.SetCell(3, 0, "Carol Delete");  // a mark in a text of its own
  form->Controls().Save1->trigger();
  EXPECT_TRUE(form->Table().Rows()->AsRead());
  EXPECT_EQ(std::vector<std::string>({Cell(1, 1), Cell(1, 2), Cell(2, 0), Cell(3, 0), Cell(3, 3)}),
            std::vector<std::string>({"Anna", "   12.50", "      2", "      3 Delete", "T"}));
  grid.SetCell(2, 2, "7");
  form->Controls().Save1->trigger();
  const std::vector<std::string> saved = GridAsShown();
  form->Controls().Reload1->trigger();
  EXPECT_EQ(saved, GridAsShown());
  EXPECT_EQ(Cell(2, 2), "    7.00");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(2, "Сохранение выполнено!"));
}

// Only typed cells and inserted rows are converted; there other field types
// go blank.
TEST_F(RecordEditingTest, TypedCellsConvertBySmallLettersAlikeAndOtherTypesGoBlank) {
  const std::vector<FieldSpec> fields{{"D", 'd', 8}, {"M", 'M', 4}, {"Q", 'n', 6, 1}, {"F", 'l', 1}};
  const std::string path = dir.Path("kinds.dbf");
  testsupport::WriteFile(path, TableBytes(TableLayout{fields, {Record(fields, {"20240101", "memo", "  2.5", "?"})}}));
  OpenFromMenu(path);
  form->Controls().StringGrid1->SetCell(1, 3, "-1,25");
  form->Controls().StringGrid1->SetSelectedCell(1, 1);
  form->Controls().N9->trigger();
  form->Controls().StringGrid1->SetCell(2, 1, "20240202");
  form->Controls().Save1->trigger();
  EXPECT_EQ(ReadFile(path), TableBytes(TableLayout{fields, {Record(fields, {"20240101", "memo", "  -1.3", "?"}),
                                                            Record(fields, {"20240202", "", "   0.0", "F"})}}));
  EXPECT_TRUE(exits.empty());

  // A grid without data rows leaves the header only.
  form->Controls().N12->trigger();
  form->Controls().Save1->trigger();
  EXPECT_EQ(ReadFile(path), TableBytes(TableLayout{fields, {}}));
}

// Save as writes a new table and refuses the table itself; Save then writes
// the table through a new file, and may write it again.
TEST_F(RecordEditingTest, SaveAsAndSaveWriteEveryRowConvertedByItsFieldsType) {
  const std::string path = OpenAndEditPeople();
  const std::string original = ReadFile(path);
  const std::string copy = dir.Path("copy.dbf");
  testsupport::WriteFile(copy, "an older file in the way");
  dialogs.saveAnswers.push_back(ui::FileChoice{"  " + copy + " "});
  form->Controls().Saveas1->trigger();
  EXPECT_EQ(ReadFile(copy), kEditedPeople);
  EXPECT_EQ(ReadFile(path), original);
  EXPECT_EQ(form->Table().TablePath(), path);

  const std::string link = dir.Path("link.dbf");
  std::filesystem::create_symlink(path, link);
  for (const std::string& same : {dir.Path("PEOPLE.DBF"), dir.dir() + "/./people.dbf", link}) {
    dialogs.saveAnswers.push_back(ui::FileChoice{same});
    form->Controls().Saveas1->trigger();
  }
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Копирование выполнено!",
                                                        "Совпадение имен исходного и выходного файлов!",
                                                        "Совпадение имен исходного и выходного файлов!",
                                                        "Совпадение имен исходного и выходного файлов!"}));
  EXPECT_EQ(ReadFile(path), original);

  const ino_t before = InodeOf(path);
  form->Controls().Save1->trigger();
  EXPECT_EQ(dialogs.messages.back(), "Сохранение выполнено!");
  EXPECT_EQ(ReadFile(path), kEditedPeople);
  EXPECT_NE(InodeOf(path), before);  // a new file took the table's place
  EXPECT_EQ(dir.FileCount(), 3u);    // beside the copy and the link, nothing left behind
  EXPECT_TRUE(form->Controls().ProgressBar1->isHidden());
  // The rows now belong to the new file: saving again is allowed.
  form->Controls().ToolButton4->trigger();
  EXPECT_EQ(dialogs.messages.size(), 6u);
  EXPECT_EQ(ReadFile(path), kEditedPeople);
}
