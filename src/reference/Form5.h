// Window "17.钻孔、攻丝工时计算": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form5 : public quorvil::ToolWindow {
public:
    Form5() : ToolWindow(QStringLiteral("Form5"), QStringLiteral("17.钻孔、攻丝工时计算"), 6000, 6000) {}
};
