// Window "2.阿基米德蜗杆": caption and client area only, until its contents are built.
#pragma once

#include "common/ui/toolwindow.h"

class Form11 : public quorvil::ToolWindow {
public:
    Form11() : ToolWindow(QStringLiteral("Form11"), QStringLiteral("2.阿基米德蜗杆"), 6150, 3795) {}
};
