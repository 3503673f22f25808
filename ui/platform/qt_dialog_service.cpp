#include "qt_dialog_service.h"

#include "file_filter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPointer>

namespace ui {

namespace {

QString Displayed(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

QWidget* QtDialogService::Owner() const {
  QWidget* active = QApplication::activeWindow();
  if (active && active->isVisible()) return active;
  if (QWidget* command = commandWindow_.Window()) return command;
  return fallback_;
}

// Once a dialog has closed, its owner takes the focus back: the window
// manager may hand it to another window, such as a disabled main window
// behind a tool window.
class QtDialogService::FocusBack {
 public:
  explicit FocusBack(QWidget* owner) : owner_(owner) {}
  ~FocusBack() {
    if (owner_ && owner_->isVisible()) owner_->activateWindow();
  }
  FocusBack(const FocusBack&) = delete;
  FocusBack& operator=(const FocusBack&) = delete;

 private:
  QPointer<QWidget> owner_;
};

void QtDialogService::Message(const std::string& text) {
  QWidget* owner = Owner();
  FocusBack back(owner);
  QMessageBox::information(owner, QApplication::applicationDisplayName(), Displayed(text), QMessageBox::Ok);
}

bool QtDialogService::Ask(const std::string& title, const std::string& text) {
  QWidget* owner = Owner();
  FocusBack back(owner);
  return QMessageBox::question(owner, QString::fromStdString(title), Displayed(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<FileChoice> QtDialogService::OpenFile(const std::string& filter) {
  return RunFileDialog(filter, false);
}

std::optional<FileChoice> QtDialogService::SaveFile(const std::string& filter) {
  return RunFileDialog(filter, true);
}

std::optional<FileChoice> QtDialogService::RunFileDialog(const std::string& filter, bool save) {
  const QStringList nameFilters = QtNameFilters(ParseFilter(filter));
  QWidget* owner = Owner();
  FocusBack back(owner);
  QFileDialog dialog(owner);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // Both dialogs take names of files that do not exist yet; the commands
  // check for themselves whether the file must exist.
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!nameFilters.isEmpty()) dialog.setNameFilters(nameFilters);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const qsizetype chosen = nameFilters.indexOf(dialog.selectedNameFilter());
  return FileChoice{dialog.selectedFiles().front().toStdString(),
                    chosen < 0 ? 1 : static_cast<int>(chosen) + 1};
}

std::optional<QFont> QtDialogService::ChooseFont(const FontRequest& request) {
  QFont initial = request.initial;
  if (request.presetSize > 0) initial.setPointSize(request.presetSize);
  QWidget* owner = Owner();
  FocusBack back(owner);
  QFontDialog dialog(initial, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  // Qt's dialog offers every size; the size range is kept by bringing the
  // chosen size into it.
  QFont font = dialog.selectedFont();
  if (request.minSize > 0 && font.pointSize() < request.minSize) font.setPointSize(request.minSize);
  if (request.maxSize > 0 && font.pointSize() > request.maxSize) font.setPointSize(request.maxSize);
  return font;
}

}  // namespace ui
