#include "panel_fixture.h"
#include "sort_panel.h"
#include "table_records.h"

#include "code_page.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <optional>

namespace {

const std::vector<testsupport::FieldSpec> kFields{
    {"NAME", 'C', 6}, {"CITY", 'C', 4}, {"QTY", 'N', 3}, {"DAY", 'D', 8}, {"OK", 'L', 1}, {"SUMMA", 'N', 6, 2}};

std::string Bytes(const char* utf8) { return ui::EncodeTyped(QString::fromUtf8(utf8)); }

class SortPanelTest : public PanelTest {
 protected:
  // A table wider than the key grid, its last field SUMMA; Eve is marked deleted.
  void OpenWideTable() {
    testsupport::TableLayout layout;
    layout.fields = kFields;
    const std::vector<std::pair<std::string, std::string>> rows{
        {"Ann", "  1.50"}, {"Dan", " -5.00"}, {"Bob", "  1.50"}, {"Eve", " -1.00"}, {"Cy", "  0.00"}, {"Al", "  1.50"}};
    for (const auto& [name, sum] : rows) {
      layout.records.push_back(testsupport::Record(kFields, {name, "Omsk", "  1", "20240101", "T", sum}, name == "Eve"));
    }
    table = dir.Path("wide.dbf");
    testsupport::WriteFile(table, testsupport::TableBytes(layout));
    Open(table);
    Show();
  }

  // "Sorted file", which shows the panel.
  void Show() { guard.Run([this] { panel.Sortedfile1Click(); }); }

  ui::StringGrid& Keys() { return *panel.StringGrid2; }

  void ChooseKeyCount(int count) {
    panel.ComboBox1->setCurrentIndex(count - 1);
    QTest::keyClick(panel.ComboBox1, Qt::Key_Return);
  }

  // Types into a key cell through its editor, as a person who selects the
  // cell (or just starts typing in it), optionally ending with Enter.
  void Type(int row, int col, const char* text, bool enter = true) {
    if (!Keys().currentIndex().isValid() || Keys().Row() != row || Keys().Col() != col) {
      Keys().SetSelectedCell(row, col);
    }
    const QModelIndex current = Keys().currentIndex();
    if (!Keys().indexWidget(current)) Keys().edit(current);
    auto* editor = qobject_cast<QLineEdit*>(Keys().indexWidget(current));
    ASSERT_NE(editor, nullptr);
    editor->setText(QString::fromUtf8(text));
    if (enter) QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
  }

  void SetKeys(const std::vector<std::pair<const char*, const char*>>& keys) {
    ChooseKeyCount(static_cast<int>(keys.size()));
    for (size_t k = 0; k < keys.size(); ++k) {
      Type(static_cast<int>(k) + 1, 1, keys[k].first, false);
      Type(static_cast<int>(k) + 1, 2, keys[k].second, false);
    }
  }

  void Sort(const std::string& output) {
    panel.Edit5->setText(QString::fromStdString(output));
    panel.Button1->click();
  }

  std::string table;
  TSortPanel& panel = *new TSortPanel(context);
};

TEST_F(SortPanelTest, ShowingThePanelResetsTheKeyGridToOneKeyAndEnterChecksEachKey) {
  OpenWideTable();
  ChooseKeyCount(30);
  ASSERT_EQ(Keys().RowCount(), 31);
  EXPECT_EQ(Keys().Cell(1, 0), " 1");
  EXPECT_EQ(Keys().Cell(30, 0), "30");

  Type(1, 1, "city", false);
  panel.Button6->click();
  Show();
  EXPECT_FALSE(panel.isHidden());
  EXPECT_EQ(Keys().RowCount(), 2);
  EXPECT_EQ(panel.ComboBox1->currentText(), "1");
  EXPECT_EQ(Keys().Cell(1, 0), "1");
  EXPECT_EQ(Keys().Cell(1, 1), "city");  // row 1 keeps what it held

  // A count picked from the open list with the mouse sets the rows as Enter does.
  QComboBox& count = *panel.ComboBox1;
  count.showPopup();
  QAbstractItemView& list = *count.view();
  const QModelIndex four = count.model()->index(3, 0);
  list.scrollTo(four);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(four).center());
  QApplication::processEvents();
  EXPECT_EQ(count.currentText(), "4");
  ASSERT_EQ(Keys().RowCount(), 5);
  EXPECT_EQ(Keys().Cell(4, 0), " 4");

  // Enter checks the names against the grid's header, and the directions.
  ChooseKeyCount(2);
  // A name in small letters, the last column of the table, becomes the header's text.
  Type(1, 1, " summa ");
  EXPECT_EQ(Keys().Cell(1, 1), "SUMMA");
  EXPECT_EQ(Keys().Col(), 2);

  Type(1, 2, "3");
  Type(1, 2, "");
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(2, "Тип сортировки не равен 1 или 2 "));
  EXPECT_EQ(Keys().Row(), 1);
  Type(1, 2, "2");
  EXPECT_EQ(Keys().Cell(1, 3), Bytes("по убыванию"));
  EXPECT_EQ(Keys().Row(), 2);
  EXPECT_EQ(Keys().Col(), 1);

  dialogs.messages.clear();
  Type(2, 1, "names");
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>({"Error Name Field!\r\nИМЯ ПОЛЯ В КОЛ.1-NAMES\r\nRabStrNameFieldRowZero-SUMMA"}));
  EXPECT_EQ(Keys().Col(), 1);

  // Enter in the direction cell of the last row writes the text and stays.
  Type(2, 2, "1");
  EXPECT_EQ(Keys().Cell(2, 3), Bytes("по возрастанию"));
  EXPECT_EQ(Keys().Row(), 2);
  EXPECT_EQ(Keys().Col(), 2);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(SortPanelTest, SortsTheTableIntoTheOutputFileAndRefusesInOrderWritingNothing) {
  OpenWideTable();
  const std::string before = testsupport::ReadFile(table);
  dialogs.saveAnswers.push_back(ui::FileChoice{dir.Path("sorted.dbf") + "  ", 1});
  panel.Button7->click();

  // Descending sums, ties by name; the deleted record keeps its flag.
  SetKeys({{"summa", "2"}, {"Name", " 1"}});
  panel.Button1->click();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Сортировка выполнена!"}));
  EXPECT_EQ(Keys().Cell(1, 1), "SUMMA");
  const auto records = RecordsOf(dir.Path("sorted.dbf"));
  EXPECT_EQ(FieldOf(records, 1, 6),
            std::vector<std::string>({"Al    ", "Ann   ", "Bob   ", "Cy    ", "Eve   ", "Dan   "}));
  EXPECT_EQ(records[4][0], '*');
  EXPECT_EQ(testsupport::ReadFile(table), before);

  // Sorted again into the file now there, which gives way to the new copy.
  SetKeys({{"name", "2"}});
  panel.Button1->click();
  EXPECT_EQ(FieldOf(RecordsOf(dir.Path("sorted.dbf")), 1, 6),
            std::vector<std::string>({"Eve   ", "Dan   ", "Cy    ", "Bob   ", "Ann   ", "Al    "}));

  // Refusals come in order and write nothing.
  dialogs.messages.clear();
  const std::string output = dir.Path("out.dbf");
  SetKeys({{"city", "1"}, {"qty", ""}});
  panel.Edit5->setText("  ");
  panel.Button1->click();
  Sort(output);
  Type(2, 2, "2", false);
  Type(2, 1, "town", false);
  Sort(output);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({
                                  "Сортировка не выполнена!\r\nНет имени отсортированного файла.",
                                  "Сортировка не выполнена!\r\nТип сортировки не равен 1 или 2.",
                                  "Сортировка не выполнена!\r\nОшибка в имени поля.",
                              }));
  EXPECT_FALSE(std::filesystem::exists(output));

  // The table itself, by another spelling, is never the output.
  dialogs.messages.clear();
  Type(2, 1, "qty", false);
  Sort(dir.dir() + "/./wide.dbf");
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>({"Сортировка не выполнена!\r\nОтсортированный файл не может быть исходным файлом."}));
  EXPECT_EQ(testsupport::ReadFile(table), before);
}

}  // namespace
