// Window "7.API 6A 19版技术资料": flange and ring-groove dimensions of API 6A
// (19th edition) for a picked rated pressure and nominal bore, written into
// boxes on a sketch of the flange.
#pragma once

#include <array>

#include "common/ui/toolwindow.h"

class QLineEdit;
class QRadioButton;

class Form16 : public quorvil::ToolWindow {
public:
    Form16();

    void Command11_Click();  // show the selected pair
    void Command3_Click();   // clear the boxes
    void Command6_Click();   // print

private:
    std::array<QRadioButton*, 14> Option{};     // bores, Option0..Option13
    std::array<QRadioButton*, 5> pressures_{};  // Op2000..Op15000
    // The seventeen boxes in writing order; the groove diameter goes to
    // Text22 for an R ring, to Text28 for a BX ring.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text16, *Text17, *Text18, *Text19, *Text20,
        *Text21, *Text22, *Text28, *Text26, *Text27;
};
