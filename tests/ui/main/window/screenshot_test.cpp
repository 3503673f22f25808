// Saves a picture of the main window with the DOS sample table open, drawn in
// code page 866, for people to look at what the program shows.
#include "main_window_fixture.h"

#include <QDir>
#include <QPixmap>

TEST_F(MainWindowTest, ScreenshotOfTheDosSample) {
  form->cbCheckBox1->setCheckState(Qt::Checked);
  OpenFromMenu(DBFVIEW_SAMPLES_DIR "/people_866.dbf");
  ASSERT_EQ(Shown(form->StaticText1), "10 строк");
  form->StringGrid1->SetSelectedCell(2, 1);
  ASSERT_TRUE(QDir().mkpath(DBFVIEW_SCREENSHOT_DIR));
  const QPixmap picture = form->grab();
  EXPECT_FALSE(picture.isNull());
  EXPECT_TRUE(picture.save(DBFVIEW_SCREENSHOT_DIR "/main_window.png"));
}
