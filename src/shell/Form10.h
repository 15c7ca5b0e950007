// The collected-tools window: fourteen slots for outside programs, each under
// its caption. It has no handler of its own; the slots do everything.
#pragma once

#include "common/ui/toolwindow.h"

class Form10 : public quorvil::ToolWindow {
    Q_OBJECT

public:
    Form10();
};
