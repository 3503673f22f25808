#include "main_window_fixture.h"

#include "grid_status.h"
#include "record_store.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QStatusBar>
#include <QTest>

#include <utility>

using testsupport::ReadFile;

namespace {

// The texts of the status strip, left to right.
std::vector<std::string> StripTexts(QMainWindow& window) {
  std::vector<std::string> texts;
  for (const QLabel* label : window.statusBar()->findChildren<QLabel*>()) {
    if (!label->isHidden()) texts.push_back(label->text().toStdString());
  }
  return texts;
}

}  // namespace

class GridEditingTest : public MainWindowTest {
 protected:
  // The people table open, editing on, the focus in the grid.
  std::string OpenForEditing() {
    const std::string path = WritePeople();
    OpenFromMenu(path);
    form->Controls().N5->trigger();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return path;
  }

  ui::StringGrid& Grid() { return *form->Controls().StringGrid1; }
  // The cell editor open, if one is (closed ones wait hidden for deletion).
  QLineEdit* Editor() {
    for (QLineEdit* editor : Grid().findChildren<QLineEdit*>()) {
      if (editor->isVisible()) return editor;
    }
    return nullptr;
  }
  bool EditorOpen() { return Editor() != nullptr; }
  void Type(int row, int col, const char* text) {
    Grid().SetSelectedCell(row, col);
    Key(Qt::Key_F2);
    Editor()->selectAll();
    QTest::keyClicks(Editor(), text);
    Key(Qt::Key_Return);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = EditorOpen() ? static_cast<QWidget*>(Editor()) : &Grid();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
  }
  void Paste(int row, int col, const QString& text) {
    Grid().SetSelectedCell(row, col);
    QGuiApplication::clipboard()->setText(text);
    Key(Qt::Key_V, Qt::ControlModifier);
  }
  // The field cells of data rows, '|' between cells, '/' between rows.
  std::string Rows() {
    std::string rows;
    for (int row = 1; row < Grid().RowCount(); ++row) {
      for (int col = 1; col < Grid().ColCount(); ++col) rows += Cell(row, col) + "|";
      rows += "/";
    }
    return rows;
  }
};

TEST_F(GridEditingTest, EditingStartsOnlyWhenAskedAndEscapeRestoresTheCell) {
  OpenForEditing();
  EXPECT_FALSE(EditorOpen());
  const std::vector<std::pair<const char*, std::function<void()>>> starts{
      {"F2", [&] { Key(Qt::Key_F2); }},
      {"Enter", [&] { Key(Qt::Key_Return); }},
      {"a character", [&] { QTest::keyClicks(&Grid(), "Q"); }},
      {"double-click",
       [&] {
         const QRect cell = Grid().visualRect(Grid().model()->index(0, 0));
         QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, cell.center());
         QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {}, cell.center());
       }},
  };
  for (const auto& [name, start] : starts) {
    SCOPED_TRACE(name);
    Grid().SetSelectedCell(1, 1);
    start();
    ASSERT_TRUE(EditorOpen());
    QTest::keyClicks(Editor(), "zz");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Cell(1, 1), "\x88\xa2\xa0\xad\xae\xa2");
  }
  EXPECT_FALSE(form->Table().Rows()->HasEdits());
}

// Refused cells are named in one message and keep their text; the rest of
// the block goes in, and the whole paste is one step back and forth.
TEST_F(GridEditingTest, APasteChecksEveryCellAndIsOneUndoStep) {
  OpenForEditing();
  const std::string before = Rows();
  const std::string sum = Cell(1, 2);
  Paste(1, 1, "Zed\t123456789\tT\r\nLongerThanTen\t5\tX\r\n");
  EXPECT_EQ(std::vector<std::string>({Cell(1, 1), Cell(1, 2), Cell(1, 3), Cell(2, 1), Cell(2, 2), Cell(2, 3)}),
            std::vector<std::string>({"Zed", sum, "T", "Bob", "5", "F"}));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0],
            "Не вставлено ячеек: 3 (их текст не изменён).\r\n"
            "строка 1, поле SUM: не помещается в 8 знаков\r\n"
            "строка 2, поле NAME: длиннее 10 знаков\r\n"
            "строка 2, поле OK: не логическое значение (T или F)");
  const std::string pasted = Rows();
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Rows(), before);
  EXPECT_FALSE(form->Table().Rows()->HasEdits());
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Rows(), pasted);
}

// A block longer than the rows below the cursor adds rows only when the
// user agrees; cells right of the last field are refused.
TEST_F(GridEditingTest, APasteAddsRowsOnlyWhenAsked) {
  for (const bool agree : {false, true}) {
    SCOPED_TRACE(agree);
    form.reset(), MainWindowTest::SetUp();
    OpenForEditing();
    dialogs.questions.clear(), dialogs.messages.clear();
    dialogs.askAnswers.push_back(agree);
    Paste(3, 3, "F\tx\nT\nT\n");
    EXPECT_EQ(dialogs.questions,
              std::vector<std::string>({"Вставить строки|Вставляемый блок ниже последней строки на 2 строк.\r\n"
                                        "Добавить их в таблицу?"}));
    EXPECT_EQ(Grid().RowCount(), agree ? 6 : 4);
    EXPECT_EQ(Cell(3, 3), "F");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("строка 3, поле 4: правее последнего поля"), std::string::npos);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Grid().RowCount(), 4);
    EXPECT_EQ(Cell(3, 3), "");
  }
}

// Ctrl+Z undoes an open editor's typing first, then grid edits one by one,
// then the table's last kept version; Ctrl+Y and Ctrl+Shift+Z redo.
TEST_F(GridEditingTest, UndoGoesBackThroughGridEditsThenToTheFilesVersions) {
  const std::string path = OpenForEditing();
  const std::string read = ReadFile(path);
  Type(3, 1, "Carla");
  form->Controls().Save1->trigger();  // the table as read is kept as a version
  const std::string saved = ReadFile(path);
  ASSERT_NE(saved, read);
  const std::string savedRows = Rows() + Cell(1, 0);
  Type(1, 1, "Anna");
  form->Controls().ToolButton6->trigger();  // marks row 1
  form->Controls().N9->trigger();           // a row after row 1
  const std::string made = Rows() + Cell(1, 0);
  Grid().SetSelectedCell(3, 1);
  Key(Qt::Key_F2);
  const QString opened = Editor()->text();
  QTest::keyClicks(Editor(), "x");
  Key(Qt::Key_Z, Qt::ControlModifier);  // the editor's own typing
  ASSERT_TRUE(EditorOpen());
  EXPECT_EQ(Editor()->text(), opened);
  Key(Qt::Key_Z, Qt::ControlModifier);  // the editor has nothing left: the row goes
  EXPECT_EQ(Grid().RowCount(), 4);
  EXPECT_EQ(Cell(1, 0), "1 Delete");
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Cell(1, 0), "      1");
  EXPECT_EQ(Cell(1, 1), "Anna");
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Rows() + Cell(1, 0), savedRows);
  EXPECT_FALSE(form->Table().Rows()->HasEdits());
  Key(Qt::Key_Y, Qt::ControlModifier);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Rows() + Cell(1, 0), made);
  for (int i = 0; i < 3; ++i) Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(ReadFile(path), saved);
  // No grid edit left: the save is undone, with nothing to ask.
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(dialogs.saveChangesQuestions.empty());
  EXPECT_EQ(ReadFile(path), read);
  EXPECT_EQ(Cell(3, 1).substr(0, 5), "Carol");
}

TEST_F(GridEditingTest, TheStatusStripSaysWhereTheCursorIsWhatIsMarkedAndTheCodePage) {
  OpenForEditing();
  Grid().SetSelectedCell(2, 1);
  EXPECT_EQ(StripTexts(*form), (std::vector<std::string>{"Запись 2 из 3", "Отмечено: 1", "866 (DOS)"}));
  Grid().SetSelectedCell(3, 1);
  form->Controls().ToolButton6->trigger();
  form->Controls().cbCheckBox1->click();  // the Windows code page
  EXPECT_EQ(StripTexts(*form), (std::vector<std::string>{"Запись 3 из 3", "Отмечено: 2", "1251 (Windows)"}));
  const std::vector<std::pair<int64_t, const char*>> numbers{
      {0, "0"}, {999, "999"}, {12345, "12 345"}, {1000000, "1 000 000"}, {-1234, "-1 234"}};
  for (const auto& [number, text] : numbers) EXPECT_EQ(GroupedNumber(number).toStdString(), text);
  EXPECT_EQ(PositionText(12345, 1000000).toStdString(), "Запись 12 345 из 1 000 000");
}

TEST_F(GridEditingTest, DraggedColumnWidthsAreKeptForTheTable) {
  const std::string path = OpenForEditing();
  const std::string other = WritePeople("other.dbf");
  const int fitted = Grid().ColWidth(2);
  Grid().horizontalHeader()->resizeSection(1, 211);  // SUM, as a drag does
  form->Controls().Reload1->trigger();
  EXPECT_EQ(Grid().ColWidth(2), 211);
  OpenFromMenu(other);
  EXPECT_EQ(Grid().ColWidth(2), fitted);
  OpenFromMenu(path);
  EXPECT_EQ(Grid().ColWidth(2), 211);
}
