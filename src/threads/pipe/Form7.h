// Window "19.管螺纹参数": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form7 : public quorvil::ToolWindow {
public:
    Form7() : ToolWindow(QStringLiteral("Form7"), QStringLiteral("19.管螺纹参数"), 7500, 8790) {}
};
