// Window "20.通用三针直径M值计算": the best wire diameter and the measurement
// over three wires for a thread of any flank angle, with the pitch in mm on
// one tab and in threads per inch on the other.
#pragma once

#include "common/ui/toolwindow.h"

class QComboBox;
class QLineEdit;

namespace quorvil {
class FormatBox;
class TabContainer;
}  // namespace quorvil

class Form8 : public quorvil::ToolWindow {
public:
    Form8();

    void Command3_Click();  // best wire, mm tab
    void Command6_Click();  // best wire, threads-per-inch tab
    void Command2_Click();  // M value, mm tab
    void Command5_Click();  // M value, threads-per-inch tab
    void Command1_Click();  // print, mm tab
    void Command4_Click();  // print, threads-per-inch tab

private:
    quorvil::TabContainer* SSTab1;
    // mm tab
    QLineEdit *sz1, *sz2, *sz4, *sz5, *sz6, *sz7;
    quorvil::FormatBox *sz3, *sz8;
    QComboBox* Combo1;
    // threads-per-inch tab
    QLineEdit *sz10, *sz20, *sz40, *sz50, *sz60, *sz70;
    quorvil::FormatBox *sz30, *sz80;
    QComboBox* txtw27;
};
