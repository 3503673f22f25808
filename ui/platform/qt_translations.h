// The language of the window. Every text of the program is written in
// Russian and goes through Qt's translation system; an English locale gets
// the program's English translation, any other the Russian texts together
// with Qt's own texts (message box buttons, the file and font dialogs, the
// context menus of edit boxes) in Russian.
#pragma once

#include <QLocale>
#include <QString>

namespace ui {

// The text to show for a Russian source text of a context.
QString Tr(const char* context, const char* source);

// Installs the translations `locale` asks for on the application, and the
// same look-up for the texts of the engine and the other plain C++ parts.
// False when a translation the locale needs was not found.
bool InstallTranslations(const QLocale& locale);

}  // namespace ui
