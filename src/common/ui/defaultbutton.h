// The default button of a window: Enter (Return or the keypad's Enter,
// without Shift, Ctrl or Alt) anywhere in the window presses it, as in a
// dialog. One implementation for every window that has one.
#pragma once

class QPushButton;
class QWidget;

namespace quorvil {

struct DefaultButtonRules {
    // Enter on a focused push button presses that button instead; otherwise
    // a focused push button lets Enter pass (and nothing is pressed).
    bool focusedButtonTakesEnter = false;
    // The default button is pressed only while it is shown (its tab page in
    // front); otherwise also from another page.
    bool onlyWhileShown = true;
};

// Installs the default button on the window; the window owns the handler.
void setDefaultButton(QWidget* window, QPushButton* button, DefaultButtonRules rules = {});

}  // namespace quorvil
