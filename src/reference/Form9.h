// Window "21.硬度换算表": pick a Rockwell C hardness, read the equivalent
// Brinell, Rockwell A and Vickers hardness and the approximate tensile strength.
#pragma once

#include "common/ui/toolwindow.h"

class QLineEdit;
class QListWidget;

class Form9 : public quorvil::ToolWindow {
public:
    Form9();

    void List1_Click();

private:
    QListWidget* List1;
    QLineEdit *HB, *HRA, *HV, *QD;
};
