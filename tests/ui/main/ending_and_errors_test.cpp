#include "main_window_fixture.h"

#include <QPushButton>

TEST_F(MainWindowTest, ExitMenuAndCloseButtonEndTheProcessAtOnce) {
  form->N2->trigger();
  EXPECT_EQ(exits, std::vector<int>({0}));
  EXPECT_EQ(transferBufferEmptied, 2);
  EXPECT_TRUE(form->isHidden());

  form->show();
  OpenFromMenu(WritePeople());
  form->bbClose->click();
  EXPECT_EQ(exits, std::vector<int>({0, 0}));
  EXPECT_TRUE(form->isHidden());
}

TEST_F(MainWindowTest, ClosingByTheTitleBarEmptiesTheTransferBuffer) {
  EXPECT_TRUE(form->close());
  EXPECT_EQ(transferBufferEmptied, 2);
  EXPECT_TRUE(exits.empty());
}

TEST_F(MainWindowTest, EngineErrorShowsItsMessageAndEndsTheProgram) {
  const std::string empty = dir.Path("zero.dbf");
  testsupport::WriteFile(empty, "");
  OpenFromMenu(empty);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>({"Ошибка 13 - DbfOpen : Файл N   1 не типа DBF "}));
  EXPECT_EQ(exits, std::vector<int>({ui::kEngineErrorExitCode}));
}
