#include "copy_to_file.h"
#include "delete_simbol.h"
#include "insert_zero_simbol.h"
#include "radio_group.h"
#include "raw_view_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <array>

using namespace rawview;

namespace {

// Types the four texts into the four edits.
void Fill(std::array<QLineEdit*, 4> edits, std::array<const char*, 4> texts) {
  for (size_t i = 0; i < 4; ++i) edits[i]->setText(texts[i]);
}

}  // namespace

TEST_F(RawViewTest, InsertWindowInsertsBeforeAfterAndBeyondTheEndAndRefusesBadNumbers) {
  Open(Letters(20));
  auto* insert = Opened<TInsertZeroSimbol>(View().N12);
  ASSERT_NE(insert, nullptr);
  EXPECT_TRUE(insert->Panel7->isVisible());
  EXPECT_FALSE(insert->Panel2->isVisible());

  const std::array<QLineEdit*, 4> edits = {insert->Edit1, insert->Edit16, insert->Edit17, insert->Edit18};
  Fill(edits, {"1", " 1", "3", "$30"});
  insert->Button1->click();
  EXPECT_EQ(LastMessage(), "Вставка символов выполнена!");
  EXPECT_EQ(insert->Edit18->text(), "48");
  EXPECT_EQ(View().FileLength(), 23);
  EXPECT_EQ(View().StringGrid1->Cell(1, 1), "000" + Letters(13));

  // After character 16 of row 1: before character 1 of row 2. Beyond the
  // end, or after the last character of the last possible row: appended.
  const std::pair<std::array<const char*, 4>, int> more[] = {
      {{"16", "1", "1", "33"}, 1}, {{"5", "9", "2", "0"}, 0}, {{"16", "2147483647", "1", "0"}, 1}};
  for (const auto& [texts, after] : more) {
    Fill(edits, texts);
    insert->RadioGroup2->SetItemIndex(after);
    insert->RunInsertPanel();
  }
  View().N6->trigger();
  EXPECT_EQ(Saved(), "000" + Letters(13) + "!" + Letters(20).substr(13) + std::string(3, '\0'));
  EXPECT_EQ(View().Label2->text(), QStringLiteral("Длина файла (после изменения) :            27 символов"));

  // Zero and negative numbers are refused.
  const struct { const char *ch, *line, *count, *code, *message; } cases[] = {
      {"0", "1", "1", "1", "Ошибка номера начального символа!"},
      {"1", "-2", "1", "1", "Ошибка номера начальной строки!"},
      {"1", "1", "0", "1", "Ошибка количества вводимых символов!"},
      {"1", "1", "-5", "1", "Ошибка количества вводимых символов!"},
      {"1", "1", "1", "256", "Ошибка кода вставляемого символа!"},
  };
  for (const auto& c : cases) {
    Fill({insert->Edit1, insert->Edit16, insert->Edit17, insert->Edit18}, {c.ch, c.line, c.count, c.code});
    insert->RunInsertPanel();
    EXPECT_EQ(LastMessage(), c.message) << c.ch << " " << c.line << " " << c.count << " " << c.code;
  }
  EXPECT_EQ(View().FileLength(), 27);

  for (const auto& [code, shown] : {std::pair{"32", QStringLiteral("  (нет символьного эквивалента)  ")},
                                    std::pair{"65", QStringLiteral(" A ")}}) {
    insert->Edit18->setText(code);
    insert->InsertCodeKey();
    EXPECT_EQ(insert->Label24->text(), shown);
  }
  insert->CloseInsertPanel();
  EXPECT_EQ(Shown<TInsertZeroSimbol>(), nullptr);
}

// Enter walks the edits to "Выполнить" and presses it; a second deletion from
// the same window works on the new length.
TEST_F(RawViewTest, DeleteWindowIsWalkedByEnterAndDeletesInsideAndThroughTheEnd) {
  Open(Letters(40));
  auto* del = Opened<TDeleteSimbol>(View().N13);
  ASSERT_NE(del, nullptr);
  del->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(del));
  for (const char* value : {"5", "1", "8", "1"}) {
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClicks(edit, value);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  ASSERT_EQ(QApplication::focusWidget(), del->Button7);
  QTest::keyClick(del->Button7, Qt::Key_Return);
  EXPECT_EQ(LastMessage(), "Удаление выполнено!");
  EXPECT_EQ(View().FileLength(), 36);

  const std::array<QLineEdit*, 4> edits = {del->Edit19, del->Edit20, del->Edit21, del->Edit22};
  Fill(edits, {"1", "2", "16", "9"});
  del->RunDeletePanel();
  EXPECT_EQ(View().FileLength(), 16);
  EXPECT_EQ(View().StringGrid1->RowCount(), 2);
  View().N6->trigger();
  EXPECT_EQ(Saved(), Letters(4) + Letters(40).substr(8, 12));

  const std::pair<std::array<const char*, 4>, const char*> refused[] = {
      {{"3", "2", "1", "3"}, "Первый удаляемый символ за концом файла!"},
      {{"3", "-1", "2", "1"}, "Ошибка номера начальной строки!"}};
  for (const auto& [texts, message] : refused) {
    Fill(edits, texts);
    del->RunDeletePanel();
    EXPECT_EQ(LastMessage(), message);
  }
  EXPECT_EQ(View().FileLength(), 16);
}

class CopyPasteTest : public RawViewTest {
 protected:
  // Opens `other` in a second viewer and copies the range from it.
  void CopyFromSecondViewer(const std::string& other, const char* firstChar, const char* firstLine,
                            const char* lastChar, const char* lastLine) {
    const std::string otherPath = dir.Path("other.bin");
    testsupport::WriteFile(otherPath, other);
    dialogs.WillOpen(otherPath);
    auto* viewer = Opened<TView_2_Form2>(View().N9);
    ASSERT_NE(viewer, nullptr);
    EXPECT_FALSE(viewer->Files->menuAction()->isEnabled());
    EXPECT_FALSE(viewer->N11->isEnabled());
    EXPECT_TRUE(viewer->N10->isEnabled());
    auto* copy = Opened<TCopyToFile>(viewer->N10);
    ASSERT_NE(copy, nullptr);
    Fill({copy->Edit2, copy->Edit3, copy->Edit4, copy->Edit5}, {firstChar, firstLine, lastChar, lastLine});
    copy->Button2->click();
  }

  // Pastes the buffer and returns the message shown last.
  std::string Paste(int mode, const char* charNo = "", const char* row = "") {
    View().N11->trigger();
    View().RadioGroup3->SetItemIndex(mode);
    View().RadioGroup3Click();
    View().Edit23->setText(charNo);
    View().Edit24->setText(row);
    View().Button9->click();
    return LastMessage();
  }

  // Copies a range in the open copy window and returns the message shown last.
  std::string Copy(std::array<const char*, 4> range) {
    auto* copy = Shown<TCopyToFile>();
    Fill({copy->Edit2, copy->Edit3, copy->Edit4, copy->Edit5}, range);
    copy->RunCopyPanel();
    return LastMessage();
  }
};

TEST_F(CopyPasteTest, CopiesFromASecondViewerAndPastesAtTheStart) {
  Open(Letters(14));
  CopyFromSecondViewer("0123456789abcdefghij", "3", "1", "2", "2");
  EXPECT_EQ(LastMessage(), "Размер буфера -           16 символов.");
  EXPECT_EQ(TransferSize, 16);
  EXPECT_EQ(Paste(0), "Операция выполнена!\r\nВставлено символов 16.");
  EXPECT_EQ(View().FileLength(), 30);
  View().N6->trigger();
  EXPECT_EQ(Saved(), "23456789abcdefgh" + Letters(14));
}

TEST_F(CopyPasteTest, PastesAtTheEndAndAfterAPosition) {
  Open(Letters(20));
  CopyFromSecondViewer("xyz", "1", "1", "3", "1");
  Paste(2);
  Paste(1, "16", "1");
  EXPECT_EQ(View().Edit23->isVisible(), true);
  View().N6->trigger();
  EXPECT_EQ(Saved(), Letters(16) + "xyz" + Letters(20).substr(16) + "xyz");

  // After character 27, beyond the last one (26).
  EXPECT_EQ(Paste(1, "11", "2"), "Указанный символ за концом файла!");
  EXPECT_EQ(Paste(1, "1", "0"), "Номер строки с ошибкой!");
  EXPECT_EQ(Paste(1, "1", "3"), "Номер строки превышает допустимый!");
  EXPECT_EQ(Paste(1, "17", "1"), "Номер символа не в диапазоне от 1 до 16!");

  // Opening an operation window empties the buffer.
  ASSERT_EQ(TransferSize, 3);
  View().N13->trigger();
  EXPECT_EQ(TransferSize, 0);
  View().N11->trigger();
  EXPECT_EQ(LastMessage(), "Размер буфера -            0 символов.\r\nВыполнить операцию нет возможности!");
  EXPECT_EQ(View().FileLength(), 26);
}

TEST_F(CopyPasteTest, BadRangesLeaveTheBufferEmpty) {
  Open(Letters(20));
  CopyFromSecondViewer(Letters(20), "5", "2", "3", "2");
  EXPECT_EQ(LastMessage(), "Первый символ дальше последнего!");
  EXPECT_EQ(TransferSize, 0);
  EXPECT_EQ(Copy({"1", "1", "5", "2"}), "Ошибка длины массива!");
  EXPECT_EQ(Copy({"1", "1", "0", "2"}), "Ошибка номера конечного символа!");
  EXPECT_EQ(Copy({"1", "-1", "1", "1"}), "Ошибка номера начальной строки!");
  EXPECT_TRUE(TransferBuffer.empty());
}
