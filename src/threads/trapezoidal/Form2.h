// Window "11.梯形螺纹(牙形角30°)": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form2 : public quorvil::ToolWindow {
public:
    Form2() : ToolWindow(QStringLiteral("Form2"), QStringLiteral("11.梯形螺纹(牙形角30°)"), 6555, 6645) {}
};
