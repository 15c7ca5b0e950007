// Window "18.公英制、角度转换": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form6 : public quorvil::ToolWindow {
public:
    Form6() : ToolWindow(QStringLiteral("Form6"), QStringLiteral("18.公英制、角度转换"), 6000, 6000) {}
};
