// A window's default button: Enter (or the keypad's Enter) presses it while
// the focus is on any control of the window except another command button;
// Enter then presses the focused button instead. Tool windows are plain widgets, where Qt's
// own default button (a dialog feature) does nothing.
#pragma once

class QPushButton;
class QWidget;

namespace quorvil {

void setDefaultButton(QWidget* window, QPushButton* button);

}  // namespace quorvil
