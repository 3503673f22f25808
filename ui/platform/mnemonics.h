// Alt keys for menus: every entry of a menu bar, and of each menu under it,
// gets a letter of its caption marked with "&" that no other entry of the
// same menu uses, the first letter of a word where one is free. Captions
// that already carry a "&" keep it.
#pragma once

class QMenuBar;

namespace ui {

void AssignMnemonics(QMenuBar& bar);

}  // namespace ui
