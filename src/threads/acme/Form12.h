// Window "3.STUB ACME螺纹": the standard data of the twenty-three standard
// stub ACME sizes (29°, class 2G). Picking a size shows its threads per inch,
// the limits of size of the external and internal thread in inches with
// their millimetre values and tolerances, the measuring wire and the M value.
#pragma once

#include "common/ui/toolwindow.h"

class QLineEdit;
class QListWidget;

class Form12 : public quorvil::ToolWindow {
public:
    Form12();

    void ListN_Click();     // fill every box from the picked size
    void Command1_Click();  // print

private:
    void buildGrid(bool external);

    QListWidget* ListN = nullptr;
    // N1 threads per inch; N2..N25 the two limits grids; N26 wire, N27 M value.
    QLineEdit* N[28] = {};
};
