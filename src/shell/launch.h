#pragma once

class QWidget;

namespace quorvil {

// Shows the tool window of a launch index of the window table
// (shell/windows.def) by the tool-window rule and returns it; any other index
// shows nothing.
QWidget* launchToolWindow(int index);

}  // namespace quorvil
