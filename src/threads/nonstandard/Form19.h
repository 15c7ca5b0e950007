// Window "10.非标螺纹参数<可输入任意参数计算>": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form19 : public quorvil::ToolWindow {
public:
    Form19() : ToolWindow(QStringLiteral("Form19"), QStringLiteral("10.非标螺纹参数<可输入任意参数计算>"), 6960, 9240) {}
};
