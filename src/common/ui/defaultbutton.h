// Enter and the command buttons of a window, one implementation for all.
// Tool windows are plain widgets, where Qt's dialog behaviour (Enter presses
// the focused or the default button) does not apply.
// - In every window, Enter (Return or the keypad's Enter, without Shift,
//   Ctrl or Alt) on a focused command button presses it, as Space does.
// - A window may have a default button: Enter anywhere else in the window
//   presses it, as in a dialog.
#pragma once

class QPushButton;
class QWidget;

namespace quorvil {

struct DefaultButtonRules {
    // A button is pressed only while it is shown (its tab page in front)
    // and enabled; otherwise also from another page.
    bool onlyWhileShown = true;
    // The button is drawn as the default button.
    bool drawnAsDefault = true;
};

// Enter on a focused command button of the window presses it. The tool
// windows and the main window install this themselves.
void enterPressesFocusedButton(QWidget* window);

// Makes `button` the window's default button; the window owns the handler.
void setDefaultButton(QWidget* window, QPushButton* button, DefaultButtonRules rules = {});

}  // namespace quorvil
