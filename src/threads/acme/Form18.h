// Window "9.非标STUB ACME螺纹参数": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form18 : public quorvil::ToolWindow {
public:
    Form18() : ToolWindow(QStringLiteral("Form18"), QStringLiteral("9.非标STUB ACME螺纹参数"), 4620, 5415) {}
};
