#include "main_window_fixture.h"

#include <QLayout>

TEST_F(MainWindowTest, OpeningATableFillsTheGridRowPerRecord) {
  const std::string path = WritePeople();
  OpenFromMenu(path);
  EXPECT_FALSE(form->Controls().StringGrid1->isHidden());
  EXPECT_FALSE(form->Controls().Panel1->isHidden());
  EXPECT_EQ(form->Table().TablePath(), path);
  EXPECT_EQ(Shown(form->Controls().StaticText2), path);
  EXPECT_EQ(Shown(form->Controls().StaticText1), "3 строк");

  const ui::StringGrid& grid = *form->Controls().StringGrid1;
  ASSERT_EQ(grid.RowCount(), 4);
  ASSERT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.FixedCols(), 1);
  // "№ п/п" in 866, the code page the table was found in; bytes as stored,
  // never converted; leading blanks stay; trailing blanks and control
  // characters are dropped ("Carol").
  EXPECT_EQ(std::vector<std::string>({Cell(0, 0), Cell(0, 1), Cell(0, 3), Cell(1, 0), Cell(1, 1), Cell(1, 2),
                                      Cell(2, 0), Cell(2, 1), Cell(3, 1), Cell(3, 2)}),
            std::vector<std::string>({"\xfc \xaf/\xaf", "NAME", "OK", "      1", "\x88\xa2\xa0\xad\xae\xa2", "   12.50",
                                      "      2 Delete", "Bob", "Carol", ""}));
  EXPECT_TRUE(form->Controls().ProgressBar1->isHidden());

  // A table without records, and one without fields.
  testsupport::TableLayout empty;
  empty.fields = {{"A", 'C', 4}};
  const std::string emptyPath = dir.Path("empty.dbf");
  testsupport::WriteFile(emptyPath, testsupport::TableBytes(empty));
  OpenFromMenu(emptyPath);
  EXPECT_EQ(form->Controls().StringGrid1->RowCount(), 1);
  EXPECT_EQ(form->Controls().StringGrid1->FixedRows(), 0);
  EXPECT_EQ(Shown(form->Controls().StaticText1), "0 строк");

  const std::string bare = dir.Path("bare.dbf");
  testsupport::WriteFile(bare, testsupport::TableBytes(testsupport::TableLayout{}));
  OpenFromMenu(bare);
  EXPECT_EQ(form->Controls().StringGrid1->ColCount(), 1);
  EXPECT_EQ(Cell(0, 0), "\xfc \xaf/\xaf");  // in 866 still: a table without letters keeps the switch
}

// A table opens as a table under any name, a long path kept whole (the
// strip cuts it rather than widening the window); other files go by their
// extension to the desktop's program.
TEST_F(MainWindowTest, ExtensionDecidesBetweenGridAndTheDesktopProgram) {
  std::string folder = dir.dir();
  while (folder.size() < 300) {
    folder += "/" + std::string(60, 'd');
    std::filesystem::create_directory(folder);
  }
  const int width = form->width();
  for (const std::string& name : {std::string("PEOPLE.DBF"), std::string("PEOPLE"), std::string("people.bak"),
                                  folder.substr(dir.dir().size() + 1) + "/table.dbf"}) {
    const std::string table = WritePeople(name);
    OpenFromMenu(table, 2);
    EXPECT_EQ(form->Controls().StringGrid1->RowCount(), 4) << name;
    EXPECT_EQ(form->Table().TablePath(), table);
    EXPECT_EQ(Shown(form->Controls().StaticText2), table);
  }
  form->layout()->activate();
  EXPECT_EQ(form->width(), width);
  EXPECT_TRUE(launcher.opened.empty());
  EXPECT_TRUE(dialogs.messages.empty());

  const std::string sheet = dir.Path("report.xls");
  testsupport::WriteFile(sheet, "not a table");
  OpenFromMenu(sheet, 2);
  // The spreadsheet program gets a copy; the user's file stays as it is.
  EXPECT_EQ(launcher.opened, std::vector<std::string>({dir.Path("exchange/report-1.xls")}));
  EXPECT_TRUE(form->Controls().StringGrid1->isHidden());
  EXPECT_TRUE(form->Controls().Panel1->isHidden());
  EXPECT_EQ(form->Table().TablePath(), sheet);

  const std::string noExtension = dir.Path("README");
  testsupport::WriteFile(noExtension, "text");
  OpenFromMenu(noExtension, 2);
  EXPECT_EQ(launcher.opened.back(), dir.Path("exchange/README-1"));
}

// A table named at start opens as a chosen one does, without a dialog; a
// choice cancelled, or of a file no longer there, changes nothing.
TEST_F(MainWindowTest, CancelledOrMissingChoicesChangeNothingAndAFolderLeavesNoTable) {
  form->OpenAtStart(dir.Path("missing.dbf"));
  EXPECT_TRUE(form->Controls().StringGrid1->isHidden());
  EXPECT_TRUE(form->Table().TablePath().empty());
  const std::string path = WritePeople();
  form->OpenAtStart(path);
  EXPECT_EQ(Shown(form->Controls().StaticText2), path);
  EXPECT_TRUE(dialogs.openFilters.empty());

  dialogs.openAnswers.push_back(std::nullopt);
  form->Controls().Openfile1->trigger();  // cancelled
  OpenFromMenu(dir.Path("missing.dbf"));
  dialogs.WillOpen(dir.Path("missing.dbf"));
  form->Controls().ToolButton1->trigger();
  EXPECT_EQ(form->Table().TablePath(), path);
  EXPECT_EQ(form->Controls().StringGrid1->RowCount(), 4);
  EXPECT_TRUE(dialogs.messages.empty());

  // A folder named like a table is no file to read: refused, and no table is left.
  const std::string folder = dir.Path("locked.dbf");
  std::filesystem::create_directory(folder);
  OpenFromMenu(folder);
  EXPECT_EQ(dialogs.messages.back(), folder + ": это не обычный файл (канал, устройство или папка), он не читается");
  EXPECT_TRUE(exits.empty());
  EXPECT_TRUE(form->Controls().StringGrid1->isHidden());
  EXPECT_TRUE(form->Controls().Panel1->isHidden());
  EXPECT_EQ(form->Table().TablePath(), "");
  EXPECT_EQ(Shown(form->Controls().StaticText2), "");
}

TEST_F(MainWindowTest, ToolbarTextEntryHandsTheFileToTheRawViewAndLeavesTheGrid) {
  const std::string table = WritePeople();
  dialogs.WillOpen(table, 1);
  form->Controls().ToolButton1->trigger();
  EXPECT_EQ(form->Controls().StringGrid1->RowCount(), 4);

  const std::string other = dir.Path("other.bin");
  testsupport::WriteFile(other, "abc");
  dialogs.WillOpen(other, 4);
  form->Controls().ToolButton1->trigger();
  ASSERT_EQ(rawViewCalls.size(), 1u);
  EXPECT_EQ(rawViewCalls[0], std::pair(2, other));
  EXPECT_EQ(form->Table().TablePath(), other);
  EXPECT_EQ(Shown(form->Controls().StaticText2), table);
  EXPECT_EQ(Cell(1, 1), "\x88\xa2\xa0\xad\xae\xa2");

  form->Controls().Openfileastext1->trigger();
  ASSERT_EQ(rawViewCalls.size(), 2u);
  EXPECT_EQ(rawViewCalls[1], std::pair(1, std::string()));
  EXPECT_EQ(form->Table().TablePath(), other);
}
