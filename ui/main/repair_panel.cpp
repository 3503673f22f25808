#include "repair_panel.h"

#include "main_window.h"

TRepairPanel::TRepairPanel(TForm2& form)
    : TaskPanel({QString::fromUtf8("Реорганизовать структуру файла.")}, QString::fromUtf8("Отмена"), form.GridArea), form_(form) {}
