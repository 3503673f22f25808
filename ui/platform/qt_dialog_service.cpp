#include "qt_dialog_service.h"

#include "file_filter.h"
#include "qt_translations.h"
#include "shown_text.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
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

SaveAnswer QtDialogService::AskSaveChanges(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), Displayed(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Owner());
  box.button(QMessageBox::Yes)->setText(Tr("QtDialogService", "Да"));
  box.button(QMessageBox::No)->setText(Tr("QtDialogService", "Нет"));
  box.button(QMessageBox::Cancel)->setText(Tr("QtDialogService", "Отмена"));
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return SaveAnswer::Yes;
    case QMessageBox::No:
      return SaveAnswer::No;
    default:
      return SaveAnswer::Cancel;
  }
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

void QtDialogService::ShowText(const std::string& title, const std::string& text) {
  QDialog dialog(Owner());
  dialog.setWindowTitle(QString::fromStdString(title));
  auto* layout = new QVBoxLayout(&dialog);
  auto* view = new QPlainTextEdit(WithLongLinesBroken(QString::fromStdString(text)), &dialog);
  view->setReadOnly(true);
  layout->addWidget(view);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(600, 400);
  dialog.exec();
}

std::optional<std::string> QtDialogService::AskText(const std::string& title, const std::string& label,
                                                    const std::string& initial) {
  bool accepted = false;
  const QString text = QInputDialog::getText(Owner(), QString::fromStdString(title), QString::fromStdString(label),
                                             QLineEdit::Normal, QString::fromStdString(initial), &accepted);
  if (!accepted) return std::nullopt;
  return text.toStdString();
}

}  // namespace ui
