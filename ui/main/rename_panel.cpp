#include "rename_panel.h"

#include "main_window.h"

TRenamePanel::TRenamePanel(TForm2& form)
    : TaskPanel({QString::fromUtf8("Изменение имени поля.")}, QString::fromUtf8("Отмена"), form.GridArea), form_(form) {}
