// Window "14.英制螺纹": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form22 : public quorvil::ToolWindow {
public:
    Form22() : ToolWindow(QStringLiteral("Form22"), QStringLiteral("14.英制螺纹"), 4860, 6510) {}
};
