// Window "17.钻孔、攻丝工时计算": standard drilling and tapping times for a
// picked diameter (or thread size) range and depth range.
#pragma once

#include <array>

#include "common/ui/toolwindow.h"

class QLineEdit;
class QRadioButton;

namespace quorvil {
class TabContainer;
}

class Form5 : public quorvil::ToolWindow {
public:
    Form5();

    void Command101_Click();  // drilling time
    void Command105_Click();  // tapping time

private:
    quorvil::TabContainer* SSTab1;
    std::array<QRadioButton*, 9> drillDiameters_{};
    std::array<QRadioButton*, 24> drillDepths_{};
    std::array<QRadioButton*, 6> tapSizes_{};
    std::array<QRadioButton*, 10> tapDepths_{};
    QLineEdit *Text366, *Text365;
};
