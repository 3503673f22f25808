#include "sort_panel.h"

#include "main_window.h"

TSortPanel::TSortPanel(TForm2& form)
    : TaskPanel({QString::fromUtf8("Сортировка файла типа \"DBF\"")}, QStringLiteral("Exit"), form.GridArea), form_(form) {}
