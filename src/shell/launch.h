#pragma once

class QWidget;

namespace quorvil {

// Shows the tool window of launch index 0..20 (index i opens class Form{i+2})
// by the tool-window rule and returns it; any other index shows nothing.
QWidget* launchToolWindow(int index);

}  // namespace quorvil
