// The main window's keys and memory: the search menu and the reload command,
// shortcuts and Alt keys, the recent tables, the title naming the table,
// tables dropped on the window, and the font and geometry kept between runs.
#include "main_window.h"

#include "dbf_texts.h"
#include "file_name.h"
#include "find_dialog.h"
#include "mnemonics.h"
#include "qt_translations.h"
#include "remembered_settings.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include <filesystem>

namespace {

// The local file a drag carries, if it carries one.
std::optional<std::string> DraggedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().isEmpty() || !data->urls().first().isLocalFile()) {
    return std::nullopt;
  }
  return data->urls().first().toLocalFile().toStdString();
}

}  // namespace

void TForm2::BuildKeys() {
  Reload1 = FilesMenu->addAction(ui::Tr("TForm2", "Обновить из файла"));
  SearchMenu = new QMenu(ui::Tr("TForm2", "Поиск"), this);
  menuBar()->insertMenu(N2, SearchMenu);
  Find1 = SearchMenu->addAction(ui::Tr("TForm2", "Найти"));
  FindNext1 = SearchMenu->addAction(ui::Tr("TForm2", "Найти далее"));
  FindPrevious1 = SearchMenu->addAction(ui::Tr("TForm2", "Найти назад"));
  GoTo1 = SearchMenu->addAction(ui::Tr("TForm2", "Перейти к записи"));
  // F3 keeps working while the find dialog has the focus.
  FindDialog->addActions({FindNext1, FindPrevious1});

  Openfile1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  Save1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  Saveas1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  Find1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  FindNext1->setShortcut(QKeySequence(Qt::Key_F3));
  FindPrevious1->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
  GoTo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  Reload1->setShortcut(QKeySequence(Qt::Key_F5));

  recentSeparator_ = FilesMenu->addSeparator();
  ShowRecentTables();
  ui::AssignMnemonics(*menuBar());
  setAcceptDrops(true);
}

void TForm2::RestoreRemembered() {
  if (const auto font = settings_->GridFont()) StringGrid1->setFont(*font);
  const QByteArray geometry = settings_->WindowGeometry();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
}

void TForm2::RememberWindow() { settings_->SetWindowGeometry(saveGeometry()); }

// Numbered 1 .. 9, then 10, each number the entry's Alt key.
void TForm2::ShowRecentTables() {
  // Later, not now: the entry chosen may be the one whose command runs.
  for (QAction* action : RecentTables1) {
    FilesMenu->removeAction(action);
    action->deleteLater();
  }
  RecentTables1.clear();
  const std::vector<std::string> paths = settings_->RecentTables();
  for (size_t i = 0; i < paths.size(); ++i) {
    const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
    QString shown = QString::fromStdString(paths[i]);
    QAction* action = FilesMenu->addAction(number + QLatin1Char(' ') + shown.replace(QLatin1Char('&'), "&&"));
    const std::string path = paths[i];
    Hook(action, [this, path] { OpenRecentTable(path); });
    RecentTables1.push_back(action);
  }
  recentSeparator_->setVisible(!paths.empty());
}

void TForm2::RememberOpenedTable() {
  if (!table_->Rows()) return;
  settings_->AddRecentTable(table_->TablePath());
  ShowRecentTables();
}

void TForm2::OpenRecentTable(const std::string& path) {
  if (!FileExists(path)) {
    settings_->RemoveRecentTable(path);
    ShowRecentTables();
    links_.dialogs.Message(dbf::FillText(dbf::Tr("TForm2", "Файл \"%1\" не найден."), {path}));
    return;
  }
  OpenChosenFile(path, false);
}

void TForm2::ReloadClick() {
  if (!GridShown() || !table_->Rows()) return;
  table_->Refill();
}

QString TForm2::Title() const {
  const std::string shown = table_->ShownPath();
  if (shown.empty()) return Caption();
  return QString::fromStdString(std::filesystem::path(shown).filename().string()) + QStringLiteral(" - ") +
         Caption();
}

void TForm2::ShowTitle() { setWindowTitle(Title()); }

void TForm2::dragEnterEvent(QDragEnterEvent* event) {
  if (DraggedFile(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void TForm2::dropEvent(QDropEvent* event) {
  const auto path = DraggedFile(event->mimeData());
  if (!path) return;
  event->acceptProposedAction();
  links_.guard.Run([this, &path] { OpenAtStart(*path); });
}
