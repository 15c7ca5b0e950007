// Window "12.美制统一螺纹": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form20 : public quorvil::ToolWindow {
public:
    Form20() : ToolWindow(QStringLiteral("Form20"), QStringLiteral("12.美制统一螺纹"), 8100, 9435) {}
};
