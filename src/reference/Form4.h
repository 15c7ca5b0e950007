// Window "16.各种螺纹代号查询": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form4 : public quorvil::ToolWindow {
public:
    Form4() : ToolWindow(QStringLiteral("Form4"), QStringLiteral("16.各种螺纹代号查询"), 6000, 6000) {}
};
