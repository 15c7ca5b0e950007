// Window "3.STUB ACME螺纹": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form12 : public quorvil::ToolWindow {
public:
    Form12() : ToolWindow(QStringLiteral("Form12"), QStringLiteral("3.STUB ACME螺纹"), 6405, 6465) {}
};
