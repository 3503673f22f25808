#include "code_page.h"
#include "radio_group.h"
#include "raw_view_fixture.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <filesystem>

using rawview::TView_2_Form;

TEST_F(RawViewTest, ShowsFilesOfZeroSeventeenAndFortyBytes) {
  Open("");
  ASSERT_TRUE(View().isVisible());
  EXPECT_FALSE(caller.isEnabled());
  EXPECT_EQ(View().FileLength(), 0);
  EXPECT_EQ(View().StringGrid1->RowCount(), 2);
  EXPECT_EQ(View().Label1->text().toStdString(), path);

  Open(Letters(17));
  ui::StringGrid& grid = *View().StringGrid1;
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ((std::vector<std::string>{grid.Cell(2, 0), grid.Cell(2, 1), grid.Cell(2, 2), grid.Cell(2, 3)}),
            (std::vector<std::string>{"2", "Q", " 81", ""}));
  EXPECT_EQ(ui::DecodeCell(grid.Cell(0, 0), ui::CodePage::Windows1251), QStringLiteral("№ п/п"));
  EXPECT_EQ(grid.Cell(0, 17), "16");
  EXPECT_EQ(View().Label2->text(), QStringLiteral("Длина файла :            17 символов"));

  Open(Letters(40));
  EXPECT_EQ(grid.RowCount(), 4);
  View().N2->trigger();
  EXPECT_FALSE(View().isVisible());
  EXPECT_TRUE(caller.isEnabled());
}

TEST_F(RawViewTest, ModeOneAsksForTheFileAndCancelOrAFailedLoadShowsNothing) {
  testsupport::WriteFile(path, "abc");
  dialogs.WillOpen(path);
  rawview::OpenRawView(&caller, 1, "");
  EXPECT_EQ(View().FileLength(), 3);
  View().N2->trigger();

  dialogs.openAnswers.push_back(std::nullopt);
  rawview::OpenRawView(&caller, 1, "");  // cancelled
  EXPECT_FALSE(View().isVisible());
  rawview::OpenRawView(&caller, 2, dir.Path("missing"));
  EXPECT_FALSE(View().isVisible());
  EXPECT_TRUE(caller.isEnabled());
  EXPECT_TRUE(dialogs.messages.empty());

  // Longer than a 32-bit length: loading fails after the file was opened,
  // is told, and gives the caller back.
  const std::string big = dir.Path("big.bin");
  testsupport::WriteFile(big, "");
  std::filesystem::resize_file(big, uintmax_t{1} << 31);
  guard.Run([&] { rawview::OpenRawView(&caller, 2, big); });
  EXPECT_FALSE(dialogs.messages.empty());
  EXPECT_FALSE(View().isVisible());
  EXPECT_TRUE(caller.isEnabled());
}

// Cells that are no codes are refused by the saving itself (raw file tests);
// typing is checked against the editor, and saving takes the open editor's text.
TEST_F(RawViewTest, CorrectedAndTypedCellsAreCheckedAndSaved) {
  Open(Letters(20));
  View().N3->trigger();
  EXPECT_TRUE(View().StringGrid1->Options().testFlag(ui::GridOption::Editing));
  View().StringGrid1->SetCell(1, 2, "$61");
  View().StringGrid1->SetCell(2, 5, " 0 ");
  View().N6->trigger();
  EXPECT_EQ(LastMessage(), "Сохранение в файл выполнено!");
  std::string expected = Letters(20);
  expected[0] = 'a';
  expected[19] = '\0';
  EXPECT_EQ(Saved(), expected);

  View().StringGrid1->SetSelectedCell(1, 4);
  QCoreApplication::processEvents();
  QLineEdit* editor = nullptr;
  for (auto* e : View().StringGrid1->findChildren<QLineEdit*>()) {
    if (e->isVisible()) editor = e;
  }
  ASSERT_NE(editor, nullptr);
  editor->setText("25");
  dialogs.messages.clear();
  int key = '9';
  View().StringGrid1->onKeyPress(key);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  key = '5';
  View().StringGrid1->onKeyPress(key);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  editor->setText("48");
  View().N6->trigger();
  expected[2] = '0';
  EXPECT_EQ(Saved(), expected);
  View().N3->trigger();  // chosen again while editing
  View().N4->trigger();
  EXPECT_TRUE(View().StringGrid1->Options().testFlag(ui::GridOption::RowSelect));
  EXPECT_FALSE(View().StringGrid1->Options().testFlag(ui::GridOption::Editing));
}

TEST_F(RawViewTest, SaveAsWritesTheOtherFileAndSaveStillTheFirst) {
  Open("abc");
  const std::string other = dir.Path("other.bin");
  dialogs.saveAnswers.push_back(ui::FileChoice{other, 2});
  View().N7->trigger();
  EXPECT_EQ(LastMessage(), "Запись в файл выполнена");
  EXPECT_EQ(testsupport::ReadFile(other), "abc");
  View().StringGrid1->SetCell(1, 2, "65");
  View().N6->trigger();
  EXPECT_EQ(Saved(), "Abc");
  EXPECT_EQ(testsupport::ReadFile(other), "abc");
}

TEST_F(RawViewTest, KeyPressCellEntryAndDecodingTheLastRowReportErrors) {
  Open(Letters(20));
  View().StringGrid1->SetSelectedCell(2, 2);
  dialogs.messages.clear();
  View().StringGrid1Click();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Недопустимый номер строки!"});
  View().StringGrid1->SetCell(1, 3, "25");
  View().StringGrid1->SetSelectedCell(1, 3);
  int key = '6';
  View().StringGrid1->onKeyPress(key);
  EXPECT_EQ(key, '6');  // reported, not refused
  EXPECT_EQ(LastMessage(), " Ряд           1\r\n Колонка   2\r\nОшибка - значение числа не в диапазоне \r\nот 0 до 255 ");
  View().StringGrid1->SetCell(2, 4, "1a");
  dialogs.messages.clear();
  View().StringGrid1->SetSelectedCell(2, 4);
  ASSERT_FALSE(dialogs.messages.empty());
  EXPECT_EQ(dialogs.messages.front(), " Ряд           2\r\n Колонка   3\r\nОшибка - недопустимый набор символов.");
  EXPECT_EQ(View().StringGrid1->Row(), 2);
}

TEST_F(RawViewTest, DecodesAndWritesBackAHeaderAndADescriptor) {
  const std::vector<testsupport::FieldSpec> fields = {{"NAME", 'C', 12}};
  const std::string table = testsupport::TableBytes({fields, {testsupport::Record(fields, {"ab"})}});
  Open(table);
  View().StringGrid1->SetSelectedCell(1, 2);
  View().RadioGroup1->SetItemIndex(0);
  View().RadioGroup1Click();
  EXPECT_TRUE(View().Panel5->isVisible());
  EXPECT_EQ(View().Edit8->text(), "65");
  EXPECT_EQ(View().Edit9->text(), "13");
  EXPECT_EQ(View().Edit10->text(), "1");
  View().Edit10->setText("7");
  View().Button4->click();

  View().StringGrid1->SetSelectedCell(3, 2);
  View().RadioGroup1->SetItemIndex(1);
  View().RadioGroup1Click();
  EXPECT_TRUE(View().Panel6->isVisible());
  EXPECT_FALSE(View().Panel5->isVisible());
  EXPECT_EQ(View().Edit11->text(), "NAME");
  EXPECT_EQ(View().Edit12->text(), "C");
  // Typed in the code page the switch shows at first: 866.
  View().Edit11->setText(QStringLiteral("кол"));
  View().Edit12->setText("n");
  View().Edit13->setText("9");
  View().Button5->click();
  EXPECT_EQ(View().Edit11->text(), QStringLiteral("КОЛ"));
  // The header is decoded in the code page the grid draws: 866 at first, then 1251.
  View().CheckBox1->click();
  View().RadioGroup1Click();
  EXPECT_EQ(View().Edit11->text(), QStringLiteral("ЉЋ‹"));
  View().N6->trigger();

  std::string expected = table;
  expected[4] = 7;
  expected.replace(32, 10, std::string("\x8a\x8e\x8b\0\0\0\0\0\0\0", 10));  // КОЛ in code page 866
  expected[43] = 'N';
  expected[48] = 9;
  EXPECT_EQ(Saved(), expected);
}

TEST_F(RawViewTest, CodePageSwitchHasThreeStatesAndFontIsChosen) {
  Open("abc");
  EXPECT_EQ(View().CheckBox1->checkState(), Qt::Checked);
  for (const auto page : {ui::CodePage::Windows1251, ui::CodePage::SystemDefault, ui::CodePage::Dos866}) {
    View().CheckBox1->click();
    EXPECT_EQ(View().StringGrid1->Page(), page);
  }
  EXPECT_EQ(View().StringGrid1->Cell(1, 2), " 97");  // the codes never change

  dialogs.fontAnswers.push_back(QFont("Monospace", 14));
  View().FontItem->trigger();
  ASSERT_EQ(dialogs.fontRequests.size(), 1u);
  EXPECT_EQ(dialogs.fontRequests[0].presetSize, 12);
  EXPECT_EQ(View().StringGrid1->font().pointSize(), 14);
}

TEST_F(RawViewTest, TheDesignSizeShowsEveryColumnOfTheGridWithoutScrollingSideways) {
  Open(Letters(400));
  View().resize(View().DesignSize());
  QApplication::processEvents();
  const ui::StringGrid& grid = *View().StringGrid1;
  const int last = grid.model()->columnCount() - 1;  // byte 16; the record number is the row header
  EXPECT_LE(grid.columnViewportPosition(last) + grid.columnWidth(last), grid.viewport()->width());
  EXPECT_EQ(grid.horizontalScrollBar()->maximum(), 0);
}
