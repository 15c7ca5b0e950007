// Window "6.米制普通螺纹(牙形角60°)": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form15 : public quorvil::ToolWindow {
public:
    Form15() : ToolWindow(QStringLiteral("Form15"), QStringLiteral("6.米制普通螺纹(牙形角60°)"), 6840, 7140) {}
};
