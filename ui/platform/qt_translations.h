// Qt's own texts (the buttons of message boxes, the file and font dialogs,
// the context menus of edit boxes) in Russian, like the rest of the window.
#pragma once

namespace ui {

// Installs Qt's Russian translations on the application; true when they
// were found (Debian's qt6-translations-l10n).
bool InstallQtTranslations();

}  // namespace ui
