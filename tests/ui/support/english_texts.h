// The English translation installed for a test, and the Russian left on screen or in the dialogs.
#pragma once

#include "scripted_dialog_service.h"

#include <QString>
#include <QWidget>

#include <string>

namespace uitest {

// Installed as for an English locale; taken away again so later tests see Russian.
class EnglishTranslation {
 public:
  EnglishTranslation();
  ~EnglishTranslation();
  EnglishTranslation(const EnglishTranslation&) = delete;
  EnglishTranslation& operator=(const EnglishTranslation&) = delete;
};

// Each Cyrillic text the visible windows show (titles, captions, items, tips,
// menus, grid cells and headers), a line each with where; empty when none.
std::string RussianOnScreen();

// The same for everything `dialogs` was asked to show.
std::string RussianInDialogs(const ui::ScriptedDialogService& dialogs);

}  // namespace uitest
