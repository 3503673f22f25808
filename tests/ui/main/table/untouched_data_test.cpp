// The program changes only what the user changed: cells the editor merely
// visits, rows nobody edited and tables only viewed keep their bytes; typed
// text goes into the code page the grid draws; rows are written only into
// the file, and the layout, they were read from.
#include "main_window_fixture.h"

#include "dbf2_lib.h"

#include <QApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

const std::vector<FieldSpec> kGoods{{"NAME", 'C', 12}, {"SUM", 'N', 8, 2}, {"OK", 'L', 1}};
const char kIvanov866[] = "\x88\xa2\xa0\xad\xae\xa2";                          // "Иванов" in 866
const char kBread1251[] = "\xd5\xeb\xe5\xe1 \xf0\xe6\xe0\xed\xee\xe9";          // "Хлеб ржаной" in 1251

struct stat StatOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st;
}

}  // namespace

class UntouchedDataTest : public MainWindowTest {
 protected:
  // A table of mixed code pages with a blank number, a "?" logical, a
  // deleted record, and a header count of 0 (left so by its writer).
  std::string WriteGoods(uint32_t headerCount = 0xFFFFFFFF) {
    TableLayout layout{kGoods,
                       {Record(kGoods, {kIvanov866, "   12.50", "T"}), Record(kGoods, {kBread1251, "", "?"}),
                        Record(kGoods, {"Bob", "    3.00", "F"}, true)}};
    layout.headerRecordCount = headerCount;
    const std::string path = dir.Path("goods.dbf");
    testsupport::WriteFile(path, TableBytes(layout));
    return path;
  }

  // Moves the code-page switch to the state wanted: 0 unchecked (1251),
  // 1 greyed (the system's), 2 checked (866).
  void SwitchTo(int state) {
    while (static_cast<int>(form->Controls().cbCheckBox1->checkState()) != state) form->Controls().cbCheckBox1->click();
  }

  // The refusal of a write into a file that is no longer the one the rows
  // were read from.
  static std::string Refused(const std::string& what) {
    return what + " после загрузки строк таблицы.\r\nСтроки можно сохранить в новый файл командой \"Save as :\".\r\n"
                  "Команда не выполнена!";
  }

  // Stores text as the cell editor does when a person has typed it.
  void Type(int row, int col, const QString& text) {
    form->Controls().N5->trigger();
    QAbstractItemModel& model = *form->Controls().StringGrid1->model();
    model.setData(model.index(row - 1, col - 1), text, Qt::EditRole);  // the header row and column aside
    QApplication::processEvents();  // a refusal is told once the editor has closed
  }
};

TEST_F(UntouchedDataTest, VisitingEveryCellAndSavingInEachCodePageChangesNoByte) {
  const std::string path = WriteGoods();
  const std::string before = ReadFile(path);
  OpenFromMenu(path);
  for (int state : {0, 1, 2}) {
    SCOPED_TRACE(state);
    SwitchTo(state);
    form->Controls().N5->trigger();
    for (int row = 1; row <= 3; ++row) {
      for (int col = 1; col <= 3; ++col) form->Controls().StringGrid1->SetSelectedCell(row, col);
    }
    form->Controls().StringGrid1->CommitEdit();
    form->Controls().N6->trigger();
    form->Controls().Save1->trigger();
    EXPECT_EQ(ReadFile(path), before);
  }
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(3, "Сохранение выполнено!"));
}

TEST_F(UntouchedDataTest, TypedTextIsStoredInTheCodePageTheGridDraws) {
  const std::string path = WriteGoods();
  OpenFromMenu(path);
  for (const auto& [state, bytes] : {std::pair{2, "\x8f\xf1\xe2\xe0"}, std::pair{0, "\xcf\xb8\xf2\xf0"}}) {
    SwitchTo(state);
    Type(3, 1, QString::fromUtf8("Пётр"));
    EXPECT_EQ(Cell(3, 1), bytes);
  }
  EXPECT_TRUE(dialogs.messages.empty());

  // A character the code page lacks is refused by name; nothing becomes "?".
  SwitchTo(2);
  Type(1, 1, QString::fromUtf8("Цена €"));
  EXPECT_EQ(Cell(1, 1), kIvanov866);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "Символ \"€\" нельзя записать в кодировке 866.\r\nТекст ячейки не изменён.");

  form->Controls().Save1->trigger();
  EXPECT_EQ(ReadFile(path), TableBytes(TableLayout{kGoods,
                                                   {Record(kGoods, {kIvanov866, "   12.50", "T"}),
                                                    Record(kGoods, {kBread1251, "", "?"}),
                                                    Record(kGoods, {"\xcf\xb8\xf2\xf0", "    3.00", "F"}, true)}}));
}

// That reading writes nothing, with a wrong count too, is swept over every
// command with the untouched tables.
TEST_F(UntouchedDataTest, AWrongHeaderCountIsShownBesideTheRowsRead) {
  OpenFromMenu(WriteGoods(0));
  EXPECT_EQ(Shown(form->Controls().StaticText1), "3 строк (в заголовке файла: 0)");
}

// The repair panel's "Обзор" makes another file the one the commands act
// on: the title and the path strip name it at once, and a command that
// would change it while the grid shows other rows asks first, naming it.
// Agreed, the grid is refilled from that table: pointed back at the first
// table, those rows must never be saved into, nor clear, the first table.
TEST_F(UntouchedDataTest, AFileChosenOnTheRepairPanelIsNamedAndRowsAreSavedOnlyWhereTheyCameFrom) {
  const std::string people = WritePeople("gA.dbf");
  const std::string goods = WriteGoods();
  const std::string peopleBytes = ReadFile(people);
  const std::string goodsBytes = ReadFile(goods);
  OpenFromMenu(people);
  form->Controls().N10->trigger();
  dialogs.WillOpen(goods);
  form->Controls().Panel6->Button13->click();
  EXPECT_EQ(form->windowTitle().toStdString().rfind("goods.dbf - ", 0), 0u);

  form->Controls().Edit4->setText("SUM");
  dialogs.askAnswers.push_back(false);
  form->Controls().Button5->click();  // "Удалить нулевые"
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0], "Файл не показан|Команда изменит файл " + goods +
                                      ",\r\nстроки которого не показаны в таблице.\r\nИзменить этот файл?");
  EXPECT_EQ(ReadFile(goods), goodsBytes);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
  EXPECT_EQ(Cell(1, 1), "\x88\xa2\xa0\xad\xae\xa2");  // gA's rows still shown

  dialogs.askAnswers.push_back(true);
  form->Controls().Button5->click();  // refills the grid from goods
  EXPECT_EQ(Cell(1, 1), kIvanov866);
  dialogs.WillOpen(people);
  form->Controls().Panel6->Button13->click();
  const std::string refused = "Строки таблицы загружены из файла " + goods + ",\r\nа текущий файл " + people +
                              ".\r\nКоманда не выполнена!";
  form->Controls().Save1->trigger();
  EXPECT_EQ(dialogs.messages.back(), refused);
  form->Controls().N12->trigger();  // "Очистить весь файл"
  EXPECT_EQ(dialogs.messages.back(), refused);
  EXPECT_EQ(ReadFile(people), peopleBytes);
}

TEST_F(UntouchedDataTest, ASaveIntoAFileWhoseFieldsChangedIsRefusedAndSaveAsStillWorks) {
  const std::string path = WriteGoods();
  OpenFromMenu(path);
  form->Controls().StringGrid1->SetCell(1, 2, "7");
  // Another program gives the file other fields.
  const std::vector<FieldSpec> other{{"DATE1", 'D', 8}, {"NAME", 'C', 12}};
  const std::string otherBytes = TableBytes(TableLayout{other, {Record(other, {"20240101", "x"})}});
  testsupport::WriteFile(path, otherBytes);
  form->Controls().Save1->trigger();
  EXPECT_EQ(dialogs.messages.back(), Refused("Структура файла " + path + " изменилась"));
  EXPECT_EQ(ReadFile(path), otherBytes);

  dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("kept")});
  form->Controls().Saveas1->trigger();
  EXPECT_EQ(dialogs.messages.back(), "Копирование выполнено!");
  EXPECT_EQ(ReadFile(dir.Path("kept.dbf")),
            TableBytes(TableLayout{kGoods,
                                   {Record(kGoods, {kIvanov866, "    7.00", "T"}), Record(kGoods, {kBread1251, "", "?"}),
                                    Record(kGoods, {"Bob", "    3.00", "F"}, true)}}));
}

TEST_F(UntouchedDataTest, ATableDeletedOrReplacedIsNamedOnceAndItsRowsCanBeSavedAs) {
  const std::string path = WriteGoods();
  const std::string bytes = ReadFile(path);
  OpenFromMenu(path);
  const struct stat loaded = StatOf(path);
  std::filesystem::remove(path);
  form->Controls().Save1->trigger();
  EXPECT_EQ(dialogs.messages.back(), Refused("Файл " + path + " удалён"));
  dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("again.dbf")});
  form->Controls().Saveas1->trigger();
  EXPECT_EQ(ReadFile(dir.Path("again.dbf")), bytes);

  // Put in the deleted table's place, then in the place of that file, by
  // files of the same name, size and modification time, the table's bytes or
  // others: the rows are not theirs, and neither is written into.
  std::string other = bytes;
  other[other.size() - 2] ^= 1;  // a byte of the last record
  for (const std::string& replacing : {bytes, other}) {
    testsupport::WriteFile(dir.Path("new.dbf"), replacing);
    const timespec times[2] = {loaded.st_atim, loaded.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.Path("new.dbf").c_str(), times, 0), 0);
    std::filesystem::rename(dir.Path("new.dbf"), path);
    form->Controls().StringGrid1->SetCell(1, 1, "Anna");
    form->Controls().Save1->trigger();
    EXPECT_EQ(dialogs.messages.back(), Refused("Файл " + path + " заменён другим файлом"));
    EXPECT_EQ(ReadFile(path), replacing);
  }
}

// Another program appended a record after the rows were read: Save would
// drop it and a purge would act on the wrong records, so neither writes.
// Edits on screen stay; without edits the table may be loaded again.
TEST_F(UntouchedDataTest, AFileAnotherProgramChangedIsNotWrittenOnAndCanBeLoadedAgain) {
  const std::string path = WriteGoods();
  OpenFromMenu(path);
  form->Controls().StringGrid1->SetCell(1, 1, "Anna");
  const auto append = [&] {
    dbf::Dbf2_lib db;
    db.DbfOpen(1, path);
    db.DbfBlank(1);
    db.DbfPutStr(1, "Dave", "NAME");
    db.DbfAppend(1);
    db.DbfCloseAll();
  };
  append();
  const std::string changed = ReadFile(path);
  const std::string told = "Файл " + path + " изменён другой программой после загрузки строк таблицы.\r\n";
  form->Controls().Save1->trigger();
  EXPECT_EQ(dialogs.messages.back(), Refused("Файл " + path + " изменён другой программой"));
  EXPECT_EQ(Cell(1, 1), "Anna");
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(ReadFile(path), changed);

  dialogs.saveChangesAnswers = {ui::SaveAnswer::No};
  form->Controls().Reload1->trigger();  // drops the edit
  append();
  dialogs.askAnswers = {false, true};
  form->Controls().ToolButton8->trigger();  // "Удалить отмеченные"
  form->Controls().ToolButton8->trigger();
  ASSERT_EQ(dialogs.questions.size(), 2u);
  EXPECT_EQ(dialogs.questions[0], "Файл изменён|" + told + "Загрузить таблицу из файла заново?");
  ASSERT_EQ(form->Controls().StringGrid1->RowCount(), 6);  // loaded again on the second answer
  EXPECT_EQ(Cell(5, 1), "Dave");
  EXPECT_EQ(Cell(1, 1), kIvanov866);
}

// Only a change of bytes is a change: a file whose time alone changed (an
// export, a touch) is saved into; one changed without its size or time
// changing (the time set back, or kept within a tick of the load) is not,
// whether the rows were read from it or saved into it.
TEST_F(UntouchedDataTest, OnlyAChangeOfBytesIsAChangeByAnotherProgram) {
  const struct {
    const char* what;
    bool savedFirst;
    bool bytesChanged;
  } cases[] = {{"time only, rows as read", false, false},
               {"time only, rows as saved", true, false},
               {"same size and time, rows as read", false, true},
               {"same size and time, rows as saved", true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = WriteGoods();
    OpenFromMenu(path);
    if (c.savedFirst) form->Controls().StringGrid1->SetCell(2, 1, "Boris"), form->Controls().Save1->trigger();
    const struct stat before = StatOf(path);
    timespec times[2] = {before.st_atim, before.st_mtim};
    if (c.bytesChanged) {
      const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
      const std::string::size_type at = ReadFile(path).find("Bob");
      ASSERT_EQ(::pwrite(fd, "R", 1, static_cast<off_t>(at)), 1);
      ::close(fd);
    } else {
      times[1].tv_sec += 5;
    }
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    const std::string onDisk = ReadFile(path);
    dialogs.messages.clear();
    form->Controls().StringGrid1->SetCell(1, 1, "Anna");
    form->Controls().Save1->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(Cell(1, 1), "Anna");
    if (c.bytesChanged) {
      EXPECT_TRUE(dialogs.messages[0].starts_with("Файл " + path + " изменён другой программой"));
      EXPECT_EQ(ReadFile(path), onDisk);
      dialogs.saveChangesAnswers = {ui::SaveAnswer::No};
      form->Controls().Reload1->trigger();
    } else {
      EXPECT_EQ(dialogs.messages[0], "Сохранение выполнено!");
      EXPECT_NE(ReadFile(path).find("Anna"), std::string::npos);
    }
  }
}
