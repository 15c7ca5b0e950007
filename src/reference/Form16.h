// Window "7.API 6A 19版技术资料": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form16 : public quorvil::ToolWindow {
public:
    Form16() : ToolWindow(QStringLiteral("Form16"), QStringLiteral("7.API 6A 19版技术资料"), 6000, 6000) {}
};
