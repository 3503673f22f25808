// How the rest of the program reaches the raw view: the one view window of
// the run and the call that shows a file in it.
#pragma once

#include "event_guard.h"
#include "file_services.h"

#include <QPointer>
#include <QWidget>

#include <string>

namespace rawview {

class TView_2_Form;

// The raw view, created hidden at program start; the insert and delete
// windows always change its table, and pasting happens in it.
extern QPointer<TView_2_Form> View_2_Form;

// The window that called OpenRawView; disabled while the view is shown.
extern QPointer<QWidget> CallerWindow;

// Creates View_2_Form, hidden. The guard runs every handler of the view and
// of the windows it opens; its saves write through `files`. Both must
// outlive the view.
void CreateRawView(ui::EventGuard& guard, ui::FileServices& files);

// Shows the raw view for `caller`. Mode 2 shows `fileName`; any other mode
// asks for the file with the open dialog. When no file is shown the caller
// is enabled again and the view stays hidden.
void OpenRawView(QWidget* caller, int mode, const std::string& fileName);

}  // namespace rawview
