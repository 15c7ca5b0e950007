#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm4() {
    LayoutWindow w;
    // The first and last codes and the three longest descriptions (two
    // descriptions in one).
    w.examples = {{"pick:List1=0", "pick:List1=17", "pick:List1=31", "pick:List1=68", "pick:List1=176"}};
    return w;
}

LayoutWindow layoutForm16() {
    LayoutWindow w;
    w.examples = {
        // 2000 psi 2-1/16 in as the window opens; 10000 psi 1-13/16 in, whose
        // BX ring fills the other groove box, then back to 2000 psi.
        {"click:Command11"},
        {"click:Op10000", "click:Option0", "click:Command11", "click:Op2000", "click:Option1", "click:Command11"},
        // Overall lengths with a leading blank, without a number and blank.
        {"click:Op2000", "click:Option5", "click:Command11", "click:Option7", "click:Command11", "click:Option8",
         "click:Command11"},
        // The largest flanges: 10000 psi 21-1/4 in with the longest bolt
        // circle, 15000 psi 18-3/4 in with the largest holes and 5000 psi
        // 21-1/4 in, the largest of the 5000 psi BX-ring flanges.
        {"click:Op10000", "click:Option13", "click:Command11"},
        {"click:Op15000", "click:Option11", "click:Command11"},
        {"click:Op5000", "click:Option13", "click:Command11"},
    };
    return w;
}

LayoutWindow layoutForm9() {
    LayoutWindow w;
    // HRC 15.0, 16.5, 21.5 (a whole HRA), 47.0, 47.5 (HB runs out), 60.0,
    // 60.5 (strength runs out) and 70.0.
    w.examples = {{"pick:List1=0", "pick:List1=3", "pick:List1=13", "pick:List1=64", "pick:List1=65", "pick:List1=90",
                   "pick:List1=91", "pick:List1=110"}};
    return w;
}

LayoutWindow layoutForm5() {
    LayoutWindow w;
    w.examples = {
        // Drilling: as the window opens, then the longest times and the
        // empty cells of the table.
        {"tab:SSTab1=0", "click:Command101", "click:Op7", "click:Op195", "click:Command101", "click:Op222",
         "click:Command101", "click:Op65", "click:Op252", "click:Command101", "click:Op45", "click:Op355",
         "click:Command101", "click:Op40", "click:Op318", "click:Command101", "click:Op34", "click:Op222",
         "click:Command101"},
        // Tapping: as the tab opens, then the longest time.
        {"tab:SSTab1=1", "click:Command105", "click:Op450", "click:Op0540", "click:Command105", "click:Op0460",
         "click:Command105"},
    };
    return w;
}

}  // namespace quorvil::test
