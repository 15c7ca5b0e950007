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
        // Refused presses: the note beside each kind of box.
        {"txtw1=1", "txtw2=", "txtw3=", "w4=5,0", "click:Command5", "w4=5", "txtw2=1", "click:Command5", "txtw2=",
         "txtw1=", "click:Command5", "txtw1=1", "w4=7", "w19=x", "click:Command5", "w19=", "A12=x",
         "click:Command5"},
    };
    for (const char* box : {"w9", "w10", "w13", "w14"}) w.allowances << fifteenDigits(box);
    return w;
}

LayoutWindow layoutForm12() {
    LayoutWindow w;
    // 2-1/4 inch, then 4 and 5 inch, which have no wire, then back to a size
    // with one.
    w.examples = {{"pick:ListN=15", "pick:ListN=20", "pick:ListN=22", "pick:ListN=17", "pick:ListN=2"}};
    return w;
}

LayoutWindow layoutForm18() {
    LayoutWindow w;
    // 1/2 inch 10 and 11 threads per inch, 1 inch 5, the third of an inch,
    // and the largest sizes at 2 threads per inch.
    w.examples = {
        {"txts1=0", "txts2=1", "txts3=2", "s4=10", "click:Command5", "s4=11", "click:Command5"},
        {"txts1=1", "txts2=", "txts3=", "s4=5", "click:Command5"},
        {"txts1=0", "txts2=1", "txts3=3", "s4=16", "click:Command5"},
        {"txts1=4", "txts2=1", "txts3=2", "s4=2", "click:Command5"},
        {"txts1=5", "txts2=", "txts3=", "s4=2", "click:Command5", "s4=3", "click:Command5"},
        // Refused presses: the note beside each kind of box.
        {"txts1=1", "txts2=", "txts3=", "s4=", "click:Command5", "s4=0", "click:Command5", "s4=5", "txts3=0",
         "txts2=1", "click:Command5"},
    };
    for (const char* box : {"s9", "s10", "s11", "s12"}) w.allowances << fifteenDigits(box);
    // The other plain inch limits are short for a pitch with a finite
    // decimal (10 threads per inch: 0.42) and 15 digits for any other (11
    // threads per inch: 0.435454545454545); the size shows the 7 digits of
    // its single-precision value (1/3 inch: 0.3333333).
    for (const char* box : {"s13", "s17", "s21", "s25"})
        w.allowances << LayoutAllowance{LayoutAllowance::TextPastBox, box, QString(),
                                        "a plain inch limit of a pitch without a finite decimal has 15 digits, by "
                                        "design longer than its box; it shows from its start"};
    w.allowances << LayoutAllowance{LayoutAllowance::TextPastBox, "s5", QString(),
                                    "the size is shown as the plain text of its single-precision value, 7 digits "
                                    "for a size such as 1/3 inch, by design longer than its box; it shows from its "
                                    "start"};
    return w;
}

}  // namespace quorvil::test
