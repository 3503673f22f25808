#include "qt_dialog_service.h"

#include "english_texts.h"
#include "qt_translations.h"

#include "table_bytes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

// Commands that make a new file (a structure copy) take its name from the
// open dialog, and check themselves whether the file exists.
TEST(QtDialogService, OpenDialogTakesANameThatDoesNotExistYet) {
  testsupport::TempDir dir;
  const std::string fresh = dir.Path("new.dbf");
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    if (dialog->fileMode() != QFileDialog::AnyFile) {
      ADD_FAILURE() << "the open dialog insists on an existing file";
      dialog->reject();
      return;
    }
    dialog->selectFile(QString::fromStdString(fresh));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  ui::QtDialogService dialogs;
  const auto choice = dialogs.OpenFile("Файлы *.dbf|*.dbf|Все файлы|*.*|");
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->path, fresh);
  EXPECT_EQ(choice->filterIndex, 1);
}

namespace {

struct Shown {
  QWidget* owner = nullptr;
  bool modal = false;
};

// Runs `show`, which shows one dialog, and closes the dialog at once,
// noting whom it belonged to.
Shown Dialog(const std::function<void()>& show) {
  Shown shown;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    shown = {dialog->parentWidget(), dialog->isModal()};
    dialog->close();
  });
  show();
  return shown;
}

}  // namespace

// Each dialog of a tool window's command, also after the first has closed and
// no window is active, is modal and belongs to it, not to the disabled main window.
TEST(QtDialogService, DialogsAfterAnotherDialogBelongToTheCommandsWindow) {
  QWidget main;
  QWidget tool(nullptr, Qt::Tool);
  main.show();
  tool.show();
  tool.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&tool));
  main.setEnabled(false);
  ui::QtDialogService dialogs(&main);

  const std::vector<std::pair<const char*, std::function<void()>>> commands = {
      {"file dialog", [&] { dialogs.OpenFile("Файлы *.dbf|*.dbf|"); }},
      {"question", [&] { dialogs.Ask("Выполнить копирование?", "File A.DBF"); }},
      {"message", [&] { dialogs.Message("Копирование выполнено!"); }},
  };
  for (const auto& [what, show] : commands) {
    const Shown shown = Dialog(show);
    EXPECT_EQ(shown.owner, &tool) << what;
    EXPECT_TRUE(shown.modal) << what;
    QApplication::setActiveWindow(nullptr);
  }
  tool.hide();  // the command's window gone: the fallback owner takes it
  EXPECT_EQ(Dialog([&] { dialogs.Message("Удаление выполнено!"); }).owner, &main);
}

// Qt's own dialogs speak Russian, and the save question's buttons the window's language.
TEST(QtTranslations, QtsOwnAndTheSaveQuestionsButtonsSpeakTheWindowsLanguage) {
  ASSERT_TRUE(ui::InstallTranslations(QLocale(QLocale::Russian)));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("Отмена"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), QString::fromUtf8("Сохранить как"));
  auto buttonTexts = [] {
    QStringList texts;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      for (QAbstractButton* button : box->buttons()) texts << button->text();
      box->close();
    });
    ui::QtDialogService dialogs;
    EXPECT_EQ(dialogs.AskSaveChanges("?"), ui::SaveAnswer::Cancel);
    texts.sort();
    return texts.join(QLatin1Char(','));
  };
  EXPECT_EQ(buttonTexts(), QString::fromUtf8("Да,Нет,Отмена"));
  uitest::EnglishTranslation english;
  EXPECT_EQ(buttonTexts(), QStringLiteral("Cancel,No,Yes"));
}
