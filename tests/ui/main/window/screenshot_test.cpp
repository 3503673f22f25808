// The samples the program ships open drawn in their own code page at once,
// their records counted; the DOS one is kept as a picture of the main window
// for people to look at what the program shows.
#include "main_window_fixture.h"

#include <QDir>
#include <QPixmap>

TEST_F(MainWindowTest, TheSamplesOpenDrawnInTheirOwnCodePage) {
  const struct {
    const char* sample;
    ui::CodePage page;
    int column;  // of a Russian text in the first record
    const char* text;
    const char* count;
  } cases[] = {{"goods_1251.dbf", ui::CodePage::Windows1251, 0, "Хлеб ржаной", "6 строк"},
               {"marked_866.dbf", ui::CodePage::Dos866, 1, "Запись первая", "5 строк"},
               {"people_866.dbf", ui::CodePage::Dos866, 0, "Иванов", "10 строк"}};
  for (const auto& c : cases) {
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
