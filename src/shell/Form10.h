// Window "1.网上搜集的软件": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form10 : public quorvil::ToolWindow {
public:
    Form10() : ToolWindow(QStringLiteral("Form10"), QStringLiteral("1.网上搜集的软件"), 7200, 5865) {}
};
