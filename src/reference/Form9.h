// Window "21.硬度换算表": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form9 : public quorvil::ToolWindow {
public:
    Form9() : ToolWindow(QStringLiteral("Form9"), QStringLiteral("21.硬度换算表"), 6000, 6000) {}
};
