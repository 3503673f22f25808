// The raw view with the English translation installed: no text of its own,
// on its windows or in its messages, is left in Russian.
#include "code_page.h"
#include "copy_to_file.h"
#include "dbf_texts.h"
#include "delete_simbol.h"
#include "insert_zero_simbol.h"
#include "qt_translations.h"
#include "raw_view_fixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

#include <algorithm>
#include <filesystem>
#include <functional>

using namespace rawview;

namespace {

bool HasCyrillic(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

// Title, labels, buttons (push, check and radio), group boxes and menu items.
QStringList TextsOf(QWidget* window) {
  QStringList texts{window->windowTitle()};
  for (auto* w : window->findChildren<QLabel*>()) texts << w->text();
  for (auto* w : window->findChildren<QAbstractButton*>()) texts << w->text();
  for (auto* w : window->findChildren<QGroupBox*>()) texts << w->title();
  for (auto* a : window->findChildren<QAction*>()) texts << a->text();
  return texts;
}

class EnglishRawViewTest : public RawViewTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::InstallTranslations(QLocale(QLocale::English)));
    RawViewTest::SetUp();
    Open(Letters(40));
  }
  void TearDown() override {
    RawViewTest::TearDown();
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
    dbf::SetTextTranslator({});
  }
};

TEST_F(EnglishRawViewTest, WindowsAndGridHeadersAreEnglish) {
  auto* insert = Opened<TInsertZeroSimbol>(View().N12);
  ASSERT_NE(insert, nullptr);
  insert->Edit18->setText("5");
  insert->InsertCodeKey();  // a code without a character of its own
  for (QWidget* window : std::initializer_list<QWidget*>{&View(), Opened<TCopyToFile>(View().N10), insert,
                                                         Opened<TDeleteSimbol>(View().N13)}) {
    ASSERT_NE(window, nullptr);
    for (const QString& text : TextsOf(window)) EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();
  }
  for (int col = 0; col < kGridColumns; ++col) {
    const QString header = ui::DecodeCell(View().StringGrid1->Cell(0, col), View().StringGrid1->Page());
    EXPECT_FALSE(HasCyrillic(header)) << header.toStdString();
  }
}

TEST_F(EnglishRawViewTest, MessagesOfRefusedOperationsAreEnglish) {
  const std::function<void()> refusals[] = {
      [&] { View().N11->trigger(); },  // nothing copied to paste
      [&] {
        auto* del = Opened<TDeleteSimbol>(View().N13);
        for (QLineEdit* e : {del->Edit19, del->Edit20, del->Edit21, del->Edit22}) e->setText("1");
        del->Edit21->setText("0");
        del->Button7->click();
      },
      [&] {
        auto* copy = Opened<TCopyToFile>(View().N10);
        for (QLineEdit* e : {copy->Edit2, copy->Edit3, copy->Edit4, copy->Edit5}) e->setText("1");
        copy->Edit4->setText("17");
        copy->Button2->click();
      },
      [&] {
        std::filesystem::remove(path);
        View().N6->trigger();  // "Save" of a file that is gone
      },
  };
  for (const auto& refuse : refusals) refuse();
  ASSERT_EQ(dialogs.messages.size(), std::size(refusals));
  for (const std::string& m : dialogs.messages) EXPECT_FALSE(HasCyrillic(QString::fromStdString(m))) << m;
}

}  // namespace
