// Enter (character code 13) pressed in an edit box, combo box or button.
#pragma once

#include <functional>

class QWidget;

// Runs `handler` when Enter is pressed while `widget` has the focus; the key
// goes no further.
void OnEnterKey(QWidget* widget, std::function<void()> handler);
