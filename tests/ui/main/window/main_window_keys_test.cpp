#include "main_window_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

#include <tuple>

namespace {

// Every entry of the menu, and of the menus under it, has an Alt key no
// other entry of its menu has.
void ExpectOwnAltKeys(const QList<QAction*>& menu) {
  QSet<QChar> keys;
  for (const QAction* action : menu) {
    const QString text = action->text();
    const qsizetype mark = text.indexOf(QLatin1Char('&'));
    if (action->isSeparator()) continue;
    EXPECT_TRUE(mark >= 0 && !keys.contains(text[mark + 1].toLower())) << text.toStdString();
    keys.insert(text[mark + 1].toLower());
    if (action->menu()) ExpectOwnAltKeys(action->menu()->actions());
  }
}

std::string Absolute(const std::string& path) { return std::filesystem::absolute(path).lexically_normal().string(); }

}  // namespace

class MainWindowKeysTest : public MainWindowTest {
 protected:
  // The program ends (its window closes) and starts again.
  void NextRun() {
    form->close();
    form = std::make_unique<TForm2>(Links());
    form->show();
  }

  std::vector<std::string> RecentCaptions() const {
    std::vector<std::string> captions;
    for (const QAction* action : form->Controls().RecentTables1) captions.push_back(action->text().toStdString());
    return captions;
  }
};

TEST_F(MainWindowKeysTest, EveryMenuEntryHasAnAltKeyOfItsOwnAndKeysReachTheirCommands) {
  ExpectOwnAltKeys(form->menuBar()->actions());

  // A key pressed on the window reaches its command.
  OpenFromMenu(WritePeople());
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  dialogs.textAnswers.push_back("2");
  QTest::keyClick(form->Controls().StringGrid1, Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(form->Controls().StringGrid1->Row(), 2);
}

TEST_F(MainWindowKeysTest, RecentTablesLeadTheFilesMenuAcrossRuns) {
  const std::string people = WritePeople();
  const std::string other = WritePeople("other & more.dbf");
  for (const std::string& path : {people, other, people}) OpenFromMenu(path);
  EXPECT_EQ(RecentCaptions(), (std::vector<std::string>{"&1 " + Absolute(people),
                                                         "&2 " + Absolute(dir.Path("other && more.dbf"))}));
  for (int i = 0; i < 9; ++i) OpenFromMenu(WritePeople("t" + std::to_string(i) + ".dbf"));
  ASSERT_EQ(form->Controls().RecentTables1.size(), 10u);  // the oldest is left out
  EXPECT_EQ(RecentCaptions().back(), "1&0 " + Absolute(people));

  NextRun();
  form->Controls().RecentTables1.back()->trigger();
  EXPECT_EQ(form->Table().TablePath(), Absolute(people));
  EXPECT_EQ(RecentCaptions().front(), "&1 " + Absolute(people));

  // A table no longer there leaves the list.
  const std::string gone = Absolute(dir.Path("t8.dbf"));
  std::filesystem::remove(gone);
  form->Controls().RecentTables1[1]->trigger();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Файл \"" + gone + "\" не найден."});
  EXPECT_EQ(form->Controls().RecentTables1.size(), 9u);
  EXPECT_EQ(form->Table().TablePath(), Absolute(people));
}

// The code page chosen for a table, the grid's font and the window's size
// come back in the next run; the greyed state draws in the system's code
// page, which is no table's own, and is never remembered. A table nobody
// chose a page for opens in the one it is found in.
TEST_F(MainWindowKeysTest, ChoicesAreKeptForTheNextRun) {
  const std::string chosen = WritePeople();
  const std::string found = WritePeople("found.dbf");
  form->Controls().N4->trigger();  // no grid: no font to choose, no dialog
  form->Controls().ToolButton9->trigger();
  OpenFromMenu(chosen);
  EXPECT_EQ(form->Table().Page(), ui::CodePage::Dos866);
  QTest::mouseClick(form->Controls().cbCheckBox1, Qt::LeftButton);  // to 1251
  QTest::mouseClick(form->Controls().cbCheckBox1, Qt::LeftButton);  // to the system's
  EXPECT_EQ(form->Table().Page(), ui::CodePage::SystemDefault);
  const auto drawnPage = [&] {  // the status strip's text that names a code page: "866 (DOS)"
    for (const QLabel* label : form->statusBar()->findChildren<QLabel*>()) {
      if (label->text().contains(QLatin1Char('('))) return label->text().toStdString();
    }
    return std::string();
  };
  EXPECT_TRUE(drawnPage().ends_with("(системная)")) << drawnPage();
  const QFont font(QStringLiteral("DejaVu Sans Mono"), 14);
  dialogs.fontAnswers = {font, std::nullopt};  // the second cancelled: the font stays
  form->Controls().ToolButton9->trigger();
  form->Controls().N4->trigger();
  ASSERT_EQ(dialogs.fontRequests.size(), 2u);
  const auto& asked = dialogs.fontRequests[0];
  EXPECT_EQ(std::tuple(asked.minSize, asked.maxSize, asked.presetSize), std::tuple(2, 26, 8));
  EXPECT_EQ(form->Controls().StringGrid1->font().pointSize(), 14);
  form->resize(980, 640);

  NextRun();
  EXPECT_EQ(form->size(), QSize(980, 640));
  EXPECT_EQ(form->Controls().StringGrid1->font().family(), font.family());
  EXPECT_EQ(form->Controls().StringGrid1->font().pointSize(), 14);
  OpenFromMenu(found);
  EXPECT_EQ(form->Table().Page(), ui::CodePage::Dos866);
  OpenFromMenu(chosen);
  EXPECT_EQ(form->Table().Page(), ui::CodePage::Windows1251);
  EXPECT_EQ(form->Controls().cbCheckBox1->checkState(), Qt::Unchecked);
}

TEST_F(MainWindowKeysTest, TheTitleNamesTheTableAndADroppedTableOpens) {
  const std::string dropped = WritePeople("dropped.dbf");
  for (const QUrl& url : {QUrl(QStringLiteral("https://example.org/a.dbf")),
                          QUrl::fromLocalFile(QString::fromStdString(dropped))}) {
    QMimeData data;
    data.setUrls({url});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    EXPECT_EQ(enter.isAccepted(), url.isLocalFile());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted()) QApplication::sendEvent(form.get(), &drop);
  }
  EXPECT_EQ(form->Table().TablePath(), dropped);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("dropped.dbf - ") + TForm2::Caption());
}

TEST_F(MainWindowKeysTest, ReloadReadsTheRowsAgainFromTheFile) {
  form->Controls().Reload1->trigger();  // no table: nothing
  const std::string path = WritePeople();
  OpenFromMenu(path);
  std::filesystem::resize_file(path, std::filesystem::file_size(path) - 21);  // two records, no end mark
  form->Controls().Reload1->trigger();
  EXPECT_EQ(form->Controls().StringGrid1->RowCount(), 3);
  EXPECT_EQ(Cell(2, 1), "Bob");
  EXPECT_EQ(Shown(form->Controls().StaticText1), "      2 записей.");
}
