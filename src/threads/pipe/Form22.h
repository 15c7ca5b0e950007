// Window "14.英制螺纹": a 55° inch thread from its size typed as a mixed
// fraction of an inch and its threads per inch: the external and internal
// thread dimensions, the tap drill of the common sizes, the best wire and
// the measurement over three wires.
#pragma once

#include "common/ui/toolwindow.h"

class QComboBox;
class QLineEdit;

namespace quorvil {
class FormatBox;
}

class Form22 : public quorvil::ToolWindow {
public:
    Form22();

    void Command1_Click();  // calculate

private:
    // Size (whole - numerator / denominator inch) and threads per inch.
    QLineEdit *w1 = nullptr, *w2 = nullptr, *w3 = nullptr, *w4 = nullptr;
    // External thread.
    quorvil::FormatBox *w5 = nullptr, *w7 = nullptr, *w6 = nullptr, *w8 = nullptr;
    // Internal thread.
    quorvil::FormatBox *w9 = nullptr, *w11 = nullptr, *w10 = nullptr, *w12 = nullptr, *w13 = nullptr;
    // Three wires.
    quorvil::FormatBox *w14 = nullptr, *w16 = nullptr;
    QComboBox* txtw15 = nullptr;
};
