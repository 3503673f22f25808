// The delete-field dialog Creat_FForm: lists the fields of a table without
// records and removes the ones named, with an engine of its own that lives
// while the dialog is open. The window that opened it is hidden meanwhile and
// shown again when the dialog closes.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace dbf {
class Dbf2_lib;
}
namespace ui {
class EventGuard;
class FileServices;
}

class TCreat_FForm : public QWidget {
 public:
  // The field's deletion writes through `files`.
  TCreat_FForm(ui::EventGuard& guard, ui::FileServices& files);
  ~TCreat_FForm() override;

  // Binds the dialog to the table, lists its fields and shows the dialog.
  void OpenDeleteFieldDialog(QWidget* caller, const std::string& path);
  // Refills ComboBox1 with the field names read from the file.
  void FillFieldList();

  void ComboBox1KeyPress();  // Enter in "List of all fields"
  void Edit1KeyPress();      // Enter in "Name field for deleted"
  void Button2Click();       // "Deleted field"
  void Button3Click();       // "EXIT"
  void FormClose();          // the title bar's close button

  QLabel *Label3, *Label4, *Label5, *Label6;
  QComboBox* ComboBox1;
  QLineEdit* Edit1;
  QPushButton* Button2;
  QPushButton* Button3;

  // Called with the table's path after Button2Click removed a field, so the
  // window that opened the dialog can read the new structure.
  std::function<void(const std::string& path)> onStructureChanged;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Say(const std::string& message);

  ui::EventGuard& guard_;
  ui::FileServices& files_;
  QPointer<QWidget> caller_;
  std::string path_;
  std::unique_ptr<dbf::Dbf2_lib> engine_;
};
