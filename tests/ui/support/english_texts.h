// For the tests of the English window: the program's English translation
// installed for the life of an object, and the Russian left in what windows
// show and in what they asked through the dialogs.
#pragma once

#include "scripted_dialog_service.h"

#include <QString>
#include <QWidget>

#include <string>

namespace uitest {

// Installs the English translation as the program does for an English
// locale; the destructor takes it away again, so later tests see the
// Russian texts.
class EnglishTranslation {
 public:
  EnglishTranslation();
  ~EnglishTranslation();
  EnglishTranslation(const EnglishTranslation&) = delete;
  EnglishTranslation& operator=(const EnglishTranslation&) = delete;
};

// Each text that holds a Cyrillic letter, a line each with where it was
// seen (empty when there is none), among what
// the visible windows of the application show: titles, labels, buttons, group
// boxes, combo and list items, placeholders, tool tips, menus and the cells
// and headers of grids and tables.
std::string RussianOnScreen();

// The same for everything `dialogs` was asked to show: messages, questions,
// file filters, shown texts and text requests.
std::string RussianInDialogs(const ui::ScriptedDialogService& dialogs);

}  // namespace uitest
