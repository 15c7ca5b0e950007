// Window "13.ACME螺纹": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form21 : public quorvil::ToolWindow {
public:
    Form21() : ToolWindow(QStringLiteral("Form21"), QStringLiteral("13.ACME螺纹"), 6705, 9420) {}
};
