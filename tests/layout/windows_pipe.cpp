#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm7() {
    LayoutWindow w;
    w.examples = {
        // 60° taper: the first size, 1 in (11.5 threads), the step from
        // 2 in to 2-1/2 in that empties the sketch, 8 in and the largest,
        // 12 in.
        {"tab:SSTab1=0", "pick:ListN=0", "pick:ListN=6", "pick:ListN=9", "pick:ListN=10", "pick:ListN=16",
         "pick:ListN=18"},
        // 55° taper: 1/16 in, 2 in (the last with gauge sizes), 2-1/2 in and
        // the largest, 6 in.
        {"tab:SSTab1=1", "pick:ListR=0", "pick:ListR=9", "pick:ListR=10", "pick:ListR=14"},
        // 55° parallel: 1/16 in, 2 in with the longest gauge limits, 2-1/4 in
        // and the largest, 6 in.
        {"tab:SSTab1=2", "pick:ListG=0", "pick:ListG=13", "pick:ListG=14", "pick:ListG=23"},
    };
    return w;
}

LayoutWindow layoutForm22() {
    LayoutWindow w;
    // Wires by their place in the list: 1.157, 1.833 and the largest, 4.773.
    w.examples = {
        {"w1=0", "w2=1", "w3=2", "w4=12", "click:Command1", "pick:txtw15=7", "click:Command1"},
        {"pick:txtw15=13", "w1=1", "w2=0", "w3=0", "w4=8", "click:Command1"},
        {"w1=0", "w2=3", "w3=16", "w4=24", "click:Command1"},
        {"w1=2", "w2=0", "w3=0", "w4=4.5", "click:Command1"},
        // The smallest and the largest Whitworth sizes, the largest with the
        // largest wire; 4-1/2 in with the longest threads per inch, 2.875;
        // then a coarse pitch on a large size and negative threads per inch
        // (the window sets no limits).
        {"w1=0", "w2=1", "w3=16", "w4=60", "click:Command1"},
        {"pick:txtw15=31", "w1=6", "w2=0", "w3=0", "w4=2.5", "click:Command1"},
        {"w1=4", "w2=1", "w3=2", "w4=2.875", "click:Command1"},
        {"w1=99", "w2=15", "w3=16", "w4=1", "click:Command1"},
        {"w1=0", "w2=1", "w3=2", "w4=-12", "click:Command1"},
        // The whole inches left empty; refused presses.
        {"w1=", "w2=1", "w3=2", "w4=12", "click:Command1", "w4=0", "click:Command1", "w4=12", "w3=2,5",
         "click:Command1", "w3=", "click:Command1"},
    };
    return w;
}

}  // namespace quorvil::test
