// Window "5.压缩弹簧设计计算": a cylindrical helical compression spring from
// its wire and mean coil diameters, installed height, stroke, working loads
// and shear modulus, with the results laid over a picture of the spring.
#pragma once

#include "common/ui/toolwindow.h"

class QComboBox;
class QLineEdit;

namespace quorvil {
class FormatBox;
}

class Form14 : public quorvil::ToolWindow {
public:
    Form14();

    void Command1_Click();  // calculate (default button)
    void Command2_Click();  // clear

private:
    QComboBox *txtCombo2 = nullptr, *txtCombo1 = nullptr;
    QLineEdit *txtA12 = nullptr, *txtA21 = nullptr, *txtA13 = nullptr, *txtA14 = nullptr, *txtA18 = nullptr,
              *txtA10 = nullptr;
    // On the picture.
    quorvil::FormatBox *txtA1 = nullptr, *txtA4 = nullptr, *txtA7 = nullptr, *txtA8 = nullptr, *txtA9 = nullptr;
    QLineEdit *txtA2 = nullptr, *txtA3 = nullptr, *txtA5 = nullptr, *txtA6 = nullptr;
    // Requirements, spring index, helix angle, stability.
    quorvil::FormatBox *txtA15 = nullptr, *txtA16 = nullptr, *txtA170 = nullptr, *txtA20 = nullptr, *txtA25 = nullptr,
                       *txtA22 = nullptr;
};
