// Window "18.公英制、角度转换": six independent converters: a mixed-fraction
// inch size to mm and decimal inches, an inch range to three mm forms with
// deviations, degrees-minutes-seconds to degrees and back, degrees to
// radians and radians to degrees.
#pragma once

#include "common/ui/toolwindow.h"

class QLineEdit;

namespace quorvil {
class FormatBox;
}

class Form6 : public quorvil::ToolWindow {
public:
    Form6();

    void Command1000_Click();  // inch fraction
    void Command4_Click();     // inch range
    void Command101_Click();   // degrees, minutes, seconds to degrees
    void Command201_Click();   // clear that converter
    void Command121_Click();   // degrees to degrees, minutes, seconds (default button)
    void Command20_Click();    // clear that converter
    void Command789_Click();   // degrees to radians
    void Command1_Click();     // radians to degrees

private:
    QLineEdit *Text1000 = nullptr, *text3000 = nullptr, *text4000 = nullptr;
    quorvil::FormatBox *Text2000 = nullptr, *Text1 = nullptr;
    QLineEdit *qzv1 = nullptr, *qzv2 = nullptr;
    quorvil::FormatBox *qzv3 = nullptr, *qzv4 = nullptr, *qzv5 = nullptr, *qzv6 = nullptr, *qzv7 = nullptr,
                       *qzv8 = nullptr;
    QLineEdit *c1 = nullptr, *c2 = nullptr, *c3 = nullptr, *c44 = nullptr;
    QLineEdit *c440 = nullptr, *c10 = nullptr, *c20 = nullptr, *c30 = nullptr;
    QLineEdit *qzv55 = nullptr, *qzv66 = nullptr;
    QLineEdit* x1 = nullptr;
    quorvil::FormatBox* x2 = nullptr;
};
