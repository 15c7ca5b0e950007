// Window "19.管螺纹参数": stored data of pipe threads on three tabs, 60°
// taper (sealing), 55° taper (sealing) and 55° parallel (non-sealing). A
// size picked in a tab's list fills that tab's boxes from its table.
#pragma once

#include <vector>

#include "common/ui/toolwindow.h"

class QLineEdit;
class QListWidget;

namespace quorvil {
class TabContainer;
}

class Form7 : public quorvil::ToolWindow {
public:
    Form7();

    void ListN_Click();     // 60° taper sizes
    void ListR_Click();     // 55° taper sizes
    void ListG_Click();     // 55° parallel sizes
    void Command1_Click();  // print, each with its own tab in front
    void Command2_Click();
    void Command3_Click();

    quorvil::TabContainer* SSTab1 = nullptr;

private:
    void buildTaper60Page(QWidget* page);
    void buildTaper55Page(QWidget* page);
    void buildParallel55Page(QWidget* page);

    QListWidget *ListN = nullptr, *ListR = nullptr, *ListG = nullptr;
    std::vector<QLineEdit*> nBoxes;  // N1 to N20
    std::vector<QLineEdit*> rBoxes;  // R1 to R16, R20 to R28
    std::vector<QLineEdit*> gBoxes;  // G1 to G8, G80, G9, G10 to G17
};
