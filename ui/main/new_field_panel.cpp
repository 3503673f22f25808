#include "new_field_panel.h"

#include "main_window.h"

TNewFieldPanel::TNewFieldPanel(TForm2& form)
    : TaskPanel({QString::fromUtf8("Изменение структуры файла."), QString::fromUtf8("Ввод нового поля.")}, QString::fromUtf8("Выход"), form.GridArea), form_(form) {}
