// Window "8.复杂件重量计算2": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form17 : public quorvil::ToolWindow {
public:
    Form17() : ToolWindow(QStringLiteral("Form17"), QStringLiteral("8.复杂件重量计算2"), 6000, 6000) {}
};
