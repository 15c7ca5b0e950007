// Window "4.螺栓设计及计算": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form13 : public quorvil::ToolWindow {
public:
    Form13() : ToolWindow(QStringLiteral("Form13"), QStringLiteral("4.螺栓设计及计算"), 6000, 6000) {}
};
