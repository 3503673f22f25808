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
  // A table of mixed code pages with a blank number, a "?" logical and a
  // deleted record; its header's record count as given.
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

  // Puts `bytes` in the table's place as another program would, keeping its
  // modification time: into the file itself, or as a new file renamed over it.
  void Overwrite(const std::string& path, const std::string& bytes, bool inPlace) const {
    const struct stat before = StatOf(path);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    const std::string target = inPlace ? path : dir.Path("new.dbf");
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    ASSERT_EQ(::utimensat(AT_FDCWD, target.c_str(), times, 0), 0);
    if (!inPlace) std::filesystem::rename(target, path);
  }
  static void Touch(const std::string& path) {
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(5));
  }
  // Another program appends a record of the name "Dave".
  static void AppendDave(const std::string& path) {
    dbf::Dbf2_lib db;
    db.DbfOpen(1, path);
    db.DbfBlank(1);
    db.DbfPutStr(1, "Dave", "NAME");
    db.DbfAppend(1);
    db.DbfCloseAll();
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

// A wrong header count is shown beside the rows read (and put right by Save).
TEST_F(UntouchedDataTest, TypedTextIsStoredInTheCodePageTheGridDraws) {
  const std::string path = WriteGoods(0);
  OpenFromMenu(path);
  EXPECT_EQ(Shown(form->Controls().StaticText1), "3 строк (в заголовке файла: 0)");
  SwitchTo(0);
  Type(3, 1, QString::fromUtf8("Пётр"));
  EXPECT_EQ(Cell(3, 1), "\xcf\xb8\xf2\xf0");
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

// A file chosen by the repair panel's "Обзор" is named at once, and a command
// that would change it while the grid shows other rows asks first; those
// rows, refilled from it, are never saved into, nor clear, the first table.
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

// Rows are saved only into the file as they read or saved it: Save names
// why it refuses, the edit stays and Save as still writes the rows. Only a
// change of bytes is a change: a file whose time alone changed is saved into.
TEST_F(UntouchedDataTest, RowsAreSavedOnlyIntoTheFileAsTheyLeftIt) {
  const std::vector<FieldSpec> other{{"DATE1", 'D', 8}, {"NAME", 'C', 12}};
  const auto rob = [](std::string bytes) { return bytes.replace(bytes.find("Bob"), 1, "R"); };
  const struct {
    const char* what;
    bool savedFirst;  // the rows were saved into the file before it changed
    std::function<void(const std::string& path)> change;
    const char* why;  // the refusal, '%' for the path; none: saved into
  } cases[] = {
      {"deleted", false, [](const std::string& path) { std::filesystem::remove(path); }, "Файл % удалён"},
      {"replaced by its own bytes", false, [&](const std::string& path) { Overwrite(path, ReadFile(path), false); },
       "Файл % заменён другим файлом"},
      {"replaced by other bytes", false, [&](const std::string& path) { Overwrite(path, rob(ReadFile(path)), false); },
       "Файл % заменён другим файлом"},
      {"given other fields", false,
       [&](const std::string& path) { WriteFile(path, TableBytes(TableLayout{other, {Record(other, {"20240101", "x"})}})); },
       "Структура файла % изменилась"},
      {"a record appended", false, [](const std::string& path) { AppendDave(path); }, "Файл % изменён другой программой"},
      {"a byte changed, size and time kept, rows as read", false,
       [&](const std::string& path) { Overwrite(path, rob(ReadFile(path)), true); }, "Файл % изменён другой программой"},
      {"a byte changed, size and time kept, rows as saved", true,
       [&](const std::string& path) { Overwrite(path, rob(ReadFile(path)), true); }, "Файл % изменён другой программой"},
      {"time alone changed, rows as read", false, [](const std::string& path) { Touch(path); }, nullptr},
      {"time alone changed, rows as saved", true, [](const std::string& path) { Touch(path); }, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    StartAfresh();
    const std::string path = WriteGoods();
    OpenFromMenu(path);
    if (c.savedFirst) form->Controls().StringGrid1->SetCell(2, 1, "Boris"), form->Controls().Save1->trigger();
    c.change(path);
    const bool there = std::filesystem::exists(path);
    const std::string onDisk = there ? ReadFile(path) : "";
    dialogs.messages.clear();
    form->Controls().StringGrid1->SetCell(1, 1, "Anna");
    form->Controls().Save1->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(Cell(1, 1), "Anna");
    if (!c.why) {
      EXPECT_EQ(dialogs.messages[0], "Сохранение выполнено!");
      EXPECT_NE(ReadFile(path).find("Anna"), std::string::npos);
      continue;
    }
    std::string why = c.why;
    EXPECT_EQ(dialogs.messages[0], Refused(why.replace(why.find('%'), 1, path)));
    EXPECT_EQ(std::filesystem::exists(path), there);
    if (there) {
      EXPECT_EQ(ReadFile(path), onDisk);
    }
    dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("kept")});
    form->Controls().Saveas1->trigger();
    EXPECT_EQ(ReadFile(dir.Path("kept.dbf")),
              TableBytes(TableLayout{kGoods,
                                     {Record(kGoods, {"Anna", "   12.50", "T"}),
                                      Record(kGoods, {c.savedFirst ? "Boris" : kBread1251, "", "?"}),
                                      Record(kGoods, {"Bob", "    3.00", "F"}, true)}}));
  }
}

// A purge of a file another program appended to would act on the wrong
// records: it is not run, and the table may be loaded again instead.
TEST_F(UntouchedDataTest, APurgeOfAFileAnotherProgramChangedOffersToLoadItAgain) {
  const std::string path = WriteGoods();
  OpenFromMenu(path);
  AppendDave(path);
  const std::string changed = ReadFile(path);
  dialogs.askAnswers = {false, true};
  form->Controls().ToolButton8->trigger();  // "Удалить отмеченные"
  form->Controls().ToolButton8->trigger();
  ASSERT_EQ(dialogs.questions.size(), 2u);
  EXPECT_EQ(dialogs.questions[0], "Файл изменён|Файл " + path + " изменён другой программой после загрузки строк "
                                  "таблицы.\r\nЗагрузить таблицу из файла заново?");
  EXPECT_EQ(ReadFile(path), changed);
  ASSERT_EQ(form->Controls().StringGrid1->RowCount(), 5);  // loaded again on the second answer
  EXPECT_EQ(Cell(4, 1), "Dave");
  EXPECT_EQ(Cell(1, 1), kIvanov866);
}
