#include "main_window_fixture.h"

#include <QDir>
#include <QPixmap>

// A table opens drawn in the code page its header's language byte names,
// else the one its letters tell; a table that tells nothing keeps the
// switch as it was. Nothing is written to the file. The samples the program
// ships open so too, their records counted; the DOS one is kept as a picture
// of the main window for people to look at what the program shows.
TEST_F(MainWindowTest, ATableOpensInTheCodePageItIsFoundIn) {
  const std::vector<testsupport::FieldSpec> fields{{"NAME", 'C', 12}};
  const char* dos = "\x8f\xa5\xe2\xe0\xae\xa2";      // "Петров" in 866
  const char* windows = "\xcf\xe5\xf2\xf0\xee\xe2";  // "Петров" in 1251
  const struct {
    uint8_t languageDriver;
    const char* name;
    Qt::CheckState state;
    ui::CodePage page;
  } cases[] = {{0x65, windows, Qt::Checked, ui::CodePage::Dos866},
               {0xC9, dos, Qt::Unchecked, ui::CodePage::Windows1251},
               {0x00, dos, Qt::Checked, ui::CodePage::Dos866},
               {0x00, windows, Qt::Unchecked, ui::CodePage::Windows1251},
               {0x01, "Smith", Qt::Checked, ui::CodePage::Dos437},
               {0x03, "Smith", Qt::Unchecked, ui::CodePage::Windows1252},
               {0x00, "Smith", Qt::Unchecked, ui::CodePage::Windows1251}};  // the switch as it was
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::TableLayout layout{fields, {testsupport::Record(fields, {c.name})}};
    layout.languageDriver = c.languageDriver;
    const std::string path = dir.Path("found.dbf");
    const std::string bytes = testsupport::TableBytes(layout);
    testsupport::WriteFile(path, bytes);
    OpenFromMenu(path);
    EXPECT_EQ(form->Controls().cbCheckBox1->checkState(), c.state);
    EXPECT_EQ(form->Controls().StringGrid1->Page(), c.page);
    EXPECT_EQ(form->Table().Page(), c.page);
    EXPECT_EQ(testsupport::ReadFile(path), bytes);
  }
  const struct {
    const char* sample;
    ui::CodePage page;
    int column;  // of a Russian text in the first record
    const char* text;
    const char* count;
  } samples[] = {{"goods_1251.dbf", ui::CodePage::Windows1251, 0, "Хлеб ржаной", "6 строк"},
               {"marked_866.dbf", ui::CodePage::Dos866, 1, "Запись первая", "5 строк"},
               {"people_866.dbf", ui::CodePage::Dos866, 0, "Иванов", "10 строк"}};
  for (const auto& c : samples) {
    SCOPED_TRACE(c.sample);
    OpenFromMenu(std::string(DBFVIEW_SAMPLES_DIR "/") + c.sample);
    EXPECT_EQ(form->Table().Page(), c.page);
    EXPECT_EQ(form->Controls().StringGrid1->model()->index(0, c.column).data().toString().trimmed(),
              QString::fromUtf8(c.text));
    EXPECT_EQ(Shown(form->Controls().StaticText1), c.count);
  }
  // The picture is for people to look at; a build folder they may not write
  // to is no fault of the program.
  form->Controls().StringGrid1->SetSelectedCell(2, 1);
  if (QDir().mkpath(DBFVIEW_SCREENSHOT_DIR)) form->grab().save(DBFVIEW_SCREENSHOT_DIR "/main_window.png");
}
