// Window "4.螺栓设计及计算": the smallest minor diameter of the bolts holding
// a pressure cylinder's cover, under static load and under pulsating load,
// with typical material values and coefficients beside every input.
#pragma once

#include "common/ui/toolwindow.h"

class QLineEdit;

namespace quorvil {
class FormatBox;
}

class Form13 : public quorvil::ToolWindow {
public:
    Form13();

    void Command1_Click();  // static load (default button)
    void Command2_Click();  // pulsating load

private:
    QLineEdit *m1 = nullptr, *m2 = nullptr, *m3 = nullptr;   // pressure, bore, bolts
    QLineEdit *m5 = nullptr, *m6 = nullptr, *m7 = nullptr;   // yield strength, Kc, Ko
    QLineEdit *m8 = nullptr, *m9 = nullptr, *M11 = nullptr;  // ε, Kσ, fatigue strength
    quorvil::FormatBox *m4 = nullptr, *m10 = nullptr;
};
