// The raw view with the English translation installed: no text of its own,
// on its windows or in its messages, is left in Russian.
#include "copy_to_file.h"
#include "delete_simbol.h"
#include "english_texts.h"
#include "insert_zero_simbol.h"
#include "raw_view_fixture.h"

#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <functional>

using namespace rawview;

namespace {

class EnglishRawViewTest : public RawViewTest {
 protected:
  uitest::EnglishTranslation english;  // installed before the fixture builds the view
};

TEST_F(EnglishRawViewTest, WindowsGridHeadersAndMessagesOfRefusedOperationsAreEnglish) {
  Open(Letters(40));
  auto* insert = Opened<TInsertZeroSimbol>(View().N12);
  ASSERT_NE(insert, nullptr);
  insert->Edit18->setText("5");
  insert->InsertCodeKey();  // a code without a character of its own
  auto* copy = Opened<TCopyToFile>(View().N10);
  auto* del = Opened<TDeleteSimbol>(View().N13);
  ASSERT_TRUE(copy && del);
  const std::string shown = uitest::RussianOnScreen();
  EXPECT_TRUE(shown.empty()) << shown;

  const std::function<void()> refusals[] = {
      [&] { View().N11->trigger(); },  // nothing copied to paste
      [&] {
        for (QLineEdit* e : {del->Edit19, del->Edit20, del->Edit21, del->Edit22}) e->setText("1");
        del->Edit21->setText("0");
        del->Button7->click();
      },
      [&] {
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
  const std::string russian = uitest::RussianInDialogs(dialogs);
  EXPECT_TRUE(russian.empty()) << russian;
}

}  // namespace
