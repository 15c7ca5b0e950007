// Window "5.压缩弹簧设计计算": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form14 : public quorvil::ToolWindow {
public:
    Form14() : ToolWindow(QStringLiteral("Form14"), QStringLiteral("5.压缩弹簧设计计算"), 6000, 6000) {}
};
