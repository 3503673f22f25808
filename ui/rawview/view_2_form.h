// TView_2_Form: the raw view, a window that shows any file as a table of
// character codes, sixteen to a row, and the base of the second viewer and
// of the operation windows, which all carry the same controls and show only
// the panel of their job.
//
// The event handlers act through the virtual operations below; each
// subclass overrides the ones its panel needs. A window of this family is
// made with Create<T>(), which runs FormCreate once the object is complete
// so that the subclass's SetupPanels is the one that runs.
#pragma once

#include "char_table_store.h"
#include "dbf_texts.h"
#include "event_guard.h"
#include "file_services.h"
#include "grid_options.h"
#include "header_codec.h"
#include "raw_document.h"
#include "string_grid.h"

#include <QMainWindow>

#include <cstdint>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;

namespace ui {
class RadioGroup;
}

namespace rawview {


class TView_2_Form : public QMainWindow {
  Q_OBJECT

 public:
  template <typename T, typename... Args>
  static T* Create(ui::EventGuard& guard, Args&&... args) {
    auto* form = new T(guard, std::forward<Args>(args)...);
    form->FormCreate();
    return form;
  }
  ~TView_2_Form() override;
  // The file services the view's saves write through.
  void SaveThrough(ui::FileServices& files) { files_ = &files; }

  // The document shown (FileLength lives in it), with any text still in an
  // open cell editor stored in its cell first, so a change made through it
  // cannot be overwritten by a late edit.
  RawDocument& Document();
  int32_t FileLength() const { return doc_.FileLength; }

  // Loads FileName into the table; false when the file is missing or cannot
  // be opened.
  bool LoadTable();
  // Places the window as an opened view and shows it.
  void PlaceAndShow();
  // The size the window opens with where the screen has room: 950 x 650, or
  // wider where the grid needs it to show every one of its columns.
  QSize DesignSize() const;
  // The open dialog with the view's filter list.
  std::optional<ui::FileChoice> OpenDialog();

  // Grows the table by InsertCount characters; sets NewLength.
  void RunSetNewSizeTable();
  // Carries out the insertion prepared in FirstChar, FirstLine, InsertCount
  // and InsertCodeText.
  void RunSdvigTableToEnd();
  // Redraws the table after a change of its cells, keeping the rows on
  // screen where they were.
  void Redraw();
  // Redraws the table after a change of its length and shows the length.
  void ShowChangedLength();

  // Event handlers.
  void FormCreate();
  void FormShow();
  void FormClose();
  void N2Click();
  void N3Click();
  void N4Click();
  void N5Click();
  void N6Click();
  void N7Click();
  void N9Click();
  void N10Click();
  void N11Click();
  void N12Click();
  void N13Click();
  void StringGrid1Click();
  void StringGrid1KeyPress(int& key);
  void StringGrid1SelectCell(int row, int col, bool& canSelect);
  void CheckBox1Click();
  void RadioGroup1Click();
  void Button4Click();
  void Button5Click();
  void Button9Click();
  void Button10Click();
  void RadioGroup3Click();
  void Edit23KeyPress();
  void Edit24KeyPress();
  // The operation panels' handlers only call their virtual operation, so each
  // window class does its own job behind the same controls. The Edit
  // handlers run on Enter.
  void Button1Click() { RunInsertPanel(); }
  void Button2Click() { RunCopyPanel(); }
  void Button3Click() { CloseView(); }
  void Button6Click() { CloseInsertPanel(); }
  void Button7Click() { RunDeletePanel(); }
  void Button8Click() { CloseDeletePanel(); }
  void Edit1KeyPress() { InsertCharKey(); }
  void Edit2KeyPress() { CopyFirstCharKey(); }
  void Edit3KeyPress() { CopyFirstLineKey(); }
  void Edit4KeyPress() { CopyLastCharKey(); }
  void Edit5KeyPress() { CopyLastLineKey(); }
  void Edit16KeyPress() { InsertLineKey(); }
  void Edit17KeyPress() { InsertCountKey(); }
  void Edit18KeyPress() { InsertCodeKey(); }
  void Edit19KeyPress() { DeleteFirstCharKey(); }
  void Edit20KeyPress() { DeleteFirstLineKey(); }
  void Edit21KeyPress() { DeleteLastCharKey(); }
  void Edit22KeyPress() { DeleteLastLineKey(); }

  // Virtual operations, in slot order.
  virtual void CloseView();
  virtual void RunInsertPanel() {}
  virtual void ShowCopyPanel();
  virtual void ShowInsertPanel();
  virtual void RunCopyPanel() {}
  virtual void CopyFirstCharKey();
  virtual void CopyFirstLineKey();
  virtual void CopyLastCharKey();
  virtual void CopyLastLineKey();
  virtual void InsertCharKey() {}
  virtual void InsertLineKey() {}
  virtual void InsertCountKey() {}
  virtual void InsertCodeKey() {}
  virtual void CloseInsertPanel() {}
  virtual void SetupPanels();
  virtual void DeleteFirstCharKey() {}
  virtual void DeleteFirstLineKey() {}
  virtual void DeleteLastCharKey() {}
  virtual void DeleteLastLineKey() {}
  virtual void RunDeletePanel() {}
  virtual void CloseDeletePanel() {}

  std::string FileName;
  std::string SaveAsName;
  ui::GridOptions SavedOptions;
  int32_t FirstChar = 0;
  int32_t FirstLine = 0;
  int32_t LastChar = 0;
  int32_t LastLine = 0;
  int32_t InsertCount = 0;
  int32_t InsertCode = 0;
  std::string InsertCodeText;
  int32_t NewLength = 0;

  // Controls, named as on the window's form.
  QFrame* Panel1;
  QLabel* Label1;
  QFrame* Panel2;
  ui::StringGrid* StringGrid1;
  QFrame* Panel3;
  QLabel* Label2;
  QCheckBox* CheckBox1;
  ui::RadioGroup* RadioGroup1;
  QFrame* Panel5;
  QLineEdit *Edit6, *Edit7, *Edit8, *Edit9, *Edit10;
  QPushButton* Button4;
  QFrame* Panel6;
  QLineEdit *Edit11, *Edit12, *Edit13, *Edit14, *Edit15;
  QPushButton* Button5;
  QFrame* Panel9;
  ui::RadioGroup* RadioGroup3;
  QLineEdit *Edit23, *Edit24;
  QLabel *Label31, *Label32;
  QPushButton *Button9, *Button10;
  QProgressBar* Gauge3;
  QFrame* Panel4;
  QLineEdit *Edit2, *Edit3, *Edit4, *Edit5;
  QPushButton *Button2, *Button3;
  QProgressBar* Gauge1;
  QFrame* Panel7;
  QLabel *Label4, *Label23, *Label24;
  QLineEdit *Edit1, *Edit16, *Edit17, *Edit18;
  ui::RadioGroup* RadioGroup2;
  QPushButton *Button1, *Button6;
  QProgressBar* Gauge2;
  QFrame* Panel8;
  QLabel* Label25;
  QLineEdit *Edit19, *Edit20, *Edit21, *Edit22;
  QPushButton *Button7, *Button8;
  QMenu *Files, *Operations;
  QAction *N9, *N6, *N7, *N3, *N4, *N10, *N11, *N12, *N13, *FontItem, *N2;

 protected:
  explicit TView_2_Form(ui::EventGuard& guard, QWidget* parent = nullptr);

  ui::DialogService& Dialogs() { return guard_.Dialogs(); }
  ui::EventGuard& Guard() { return guard_; }
  // Sets the window up as an operation window showing `panel`, `extraWidth`
  // wider than it, with `caption` unless empty.
  void ShowAsOperationWindow(QFrame* panel, int extraWidth, const QString& caption);
  void SetStayOnTop(bool onTop);
  // Hides and destroys the window.
  void Dispose();

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  using Handler = void (TView_2_Form::*)();
  void Wire(QAction* action, Handler handler);
  void Wire(QPushButton* button, Handler handler);
  void Wire(QLineEdit* edit, Handler handler);
  void BuildMenus();
  void BuildViewPanels();
  void BuildOperationPanels();
  // The 32 bytes at the selected row; none, after showing why, when they
  // cannot be read.
  std::optional<RowBytes> SelectedRowBytes();
  void ShowHeader(const RowBytes& bytes);
  void ShowDescriptor(const RowBytes& bytes);
  void CheckCell(const std::string& text, int row, int col);
  void SaveTo(const std::string& path, bool mustExist, const std::string& doneMessage);

  ui::EventGuard& guard_;
  ui::FileServices* files_ = nullptr;  // the view's saves; the operation windows save nothing
  RawDocument doc_;
};

// Trims the edit's text, converts it and puts the number back as decimal
// text; nothing when the text does not convert.
std::optional<int32_t> ConvertAndShowBack(QLineEdit* edit);

// Messages that the checks of several operation windows share.
inline constexpr char kFirstCharError[] = DBF_TR_NOOP("TView_2_Form", "Ошибка номера начального символа!");
inline constexpr char kFirstLineError[] = DBF_TR_NOOP("TView_2_Form", "Ошибка номера начальной строки!");
inline constexpr char kLastLineError[] = DBF_TR_NOOP("TView_2_Form", "Ошибка номера конечной строки!");
inline constexpr char kRangeOrderError[] = DBF_TR_NOOP("TView_2_Form", "Первый символ дальше последнего!");

}  // namespace rawview
