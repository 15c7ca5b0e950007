// A window's default button: Enter (Return or the keypad's Enter, without
// Shift, Ctrl or Alt) anywhere in the window presses it, as in a dialog.
// Tool windows are plain widgets, where Qt's own default button (a dialog
// feature) does nothing. One implementation for every window that has one;
// the rules say where a window differs.
#pragma once

class QPushButton;
class QWidget;

namespace quorvil {

struct DefaultButtonRules {
    // Enter on a focused command button presses that button instead, as in
    // a dialog; otherwise a focused command button lets Enter pass and
    // nothing is pressed.
    bool focusedButtonTakesEnter = true;
    // A button is pressed only while it is shown (its tab page in front)
    // and enabled; otherwise also from another page.
    bool onlyWhileShown = true;
    // The button is drawn as the default button.
    bool drawnAsDefault = true;
};

// Installs the default button on the window; the window owns the handler.
void setDefaultButton(QWidget* window, QPushButton* button, DefaultButtonRules rules = {});

}  // namespace quorvil
