// Window "15.重量计算1": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form3 : public quorvil::ToolWindow {
public:
    Form3() : ToolWindow(QStringLiteral("Form3"), QStringLiteral("15.重量计算1"), 6570, 7725) {}
};
