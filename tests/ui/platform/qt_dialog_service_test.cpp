#include "qt_dialog_service.h"

#include "table_bytes.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <gtest/gtest.h>

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
