// Window "20.通用三针直径M值计算": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form8 : public quorvil::ToolWindow {
public:
    Form8() : ToolWindow(QStringLiteral("Form8"), QStringLiteral("20.通用三针直径M值计算"), 4965, 5280) {}
};
