// Window "9.非标STUB ACME螺纹参数": the limits of size of a stub ACME thread
// (29°, class 2G) for any size typed as a mixed inch fraction and any number
// of threads per inch, external and internal, in inches and millimetres.
#pragma once

#include "common/ui/toolwindow.h"

class QLineEdit;

class Form18 : public quorvil::ToolWindow {
public:
    Form18();

    void Command5_Click();     // calculate
    void Commandacme_Click();  // print

private:
    void buildInput();
    void buildGrid(bool external);

    QLineEdit *txts1 = nullptr, *txts2 = nullptr, *txts3 = nullptr, *s4 = nullptr;
    // s[5]..s[28]: the external grid s5-s16 and the internal grid s17-s28,
    // three rows of four boxes each (two inch limits, mm value, mm tolerance).
    static constexpr int kGridRows = 3, kGridColumns = 4, kGridBoxes = kGridRows * kGridColumns;
    static constexpr int kFirstResult = 5;
    QLineEdit* s[kFirstResult + 2 * kGridBoxes] = {};
};
