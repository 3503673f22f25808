#include "open_raw_view.h"

#include "radio_group.h"
#include "view_2_form.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>

#include <filesystem>

namespace rawview {

QPointer<TView_2_Form> View_2_Form;
QPointer<QWidget> CallerWindow;

void CreateRawView(ui::EventGuard& guard, ui::FileServices& files) {
  View_2_Form = TView_2_Form::Create<TView_2_Form>(guard);
  View_2_Form->SaveThrough(files);
}

void OpenRawView(QWidget* caller, int mode, const std::string& fileName) {
  TView_2_Form& view = *View_2_Form;
  CallerWindow = caller;
  if (caller) caller->setEnabled(false);
  for (QAction* item : {view.Files->menuAction(), view.N3, view.N4, view.N10, view.N11, view.N12, view.N13}) {
    item->setEnabled(true);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{view.Panel1, view.Panel2, view.Panel5, view.Panel8, view.Panel9,
                                                    view.Gauge3}) {
    w->hide();
  }
  // When no file is shown the caller gets its window back, also when a read
  // fails part way (the failure itself is reported by the handler's guard).
  auto giveBack = [&] {
    if (caller) caller->setEnabled(true);
    view.hide();
  };
  std::string name = fileName;
  if (mode != 2) {
    const auto choice = view.OpenDialog();
    name = choice ? choice->path : std::string();
  }
  std::error_code ec;
  if (!name.empty() && std::filesystem::exists(name, ec)) {
    view.FileName = name;
    view.Panel1->show();
    view.Panel2->show();
    view.Label1->setText(QString::fromStdString(name));
    bool loaded = false;
    try {
      loaded = view.LoadTable();
    } catch (...) {
      giveBack();
      throw;
    }
    if (loaded) {
      view.RadioGroup1->SetItemIndex(2);
      view.RadioGroup1Click();
      view.PlaceAndShow();
      return;
    }
  }
  giveBack();
}

}  // namespace rawview
