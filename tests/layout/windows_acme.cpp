#include "layoutexamples.h"

namespace quorvil::test {

namespace {

// The plain 15-digit texts of a thread's pitch and minor limits are longer
// than their boxes by design: they show from their start.
LayoutAllowance fifteenDigits(const QString& box) {
    return {LayoutAllowance::TextPastBox, box, QString(),
            "a plain 15-digit inch limit is by design longer than its box and shows from its start"};
}

}  // namespace

LayoutWindow layoutForm21() {
    LayoutWindow w;
    // 1 inch 5 threads per inch in each class; the largest sizes, 4 and 5
    // inch, at their coarsest pitches with and without a wire; the finest
    // pitch on the smallest size; a fraction typed in three parts.
    w.examples = {
        {"click:Op1", "txtw1=1", "w4=5", "click:Command5", "click:Op2", "click:Command5", "click:Op3",
         "click:Command5"},
        {"click:Op1", "txtw1=5", "w4=2", "click:Command5", "w4=3", "click:Command5", "click:Op2", "click:Command5",
         "click:Op3", "click:Command5"},
        {"click:Op1", "txtw1=4", "txtw2=3", "txtw3=4", "w4=2", "click:Command5", "w4=3", "click:Command5"},
        {"txtw1=", "txtw2=1", "txtw3=4", "w4=16", "click:Command5", "click:Op3", "click:Command5"},
        {"click:Op2", "txtw1=", "txtw2=7", "txtw3=16", "w4=12", "click:Command5", "txtw2=3", "txtw3=4", "w4=6",
         "click:Command5", "txtw1=2", "txtw2=1", "txtw3=4", "w4=3", "click:Command5", "w4=14", "click:Command5"},
    };
    for (const char* box : {"w9", "w10", "w13", "w14"}) w.allowances << fifteenDigits(box);
    return w;
}

LayoutWindow layoutForm12() { return {}; }

LayoutWindow layoutForm18() { return {}; }

}  // namespace quorvil::test
