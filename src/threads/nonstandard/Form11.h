// Window "2.阿基米德蜗杆": the dimensions, lead angle, measuring wire and
// measurement over wires of an Archimedes worm.
#pragma once

#include "common/ui/toolwindow.h"

class QLineEdit;

namespace quorvil {
class FormatBox;
}

class Form11 : public quorvil::ToolWindow {
public:
    Form11();

    void Command2_Click();  // calculate
    void Command1_Click();  // print

private:
    QLineEdit *txtdf, *txtmc, *txtz1;
    quorvil::FormatBox *txtde1, *txtdi1, *txtText1, *txttn, *txtan, *txtsn, *txthx, *txtsc, *txtf, *txtw, *txth, *txtm5;
    QLineEdit *txtq, *txtd0, *txtc10, *txtc20, *txtc30;
};
