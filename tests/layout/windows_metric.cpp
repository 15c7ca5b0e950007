#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm15() {
    LayoutWindow w;
    w.examples = {
        // The internal page: the worked examples in every class.
        {"tab:SSTab1=0", "w1=10", "w2=1.5", "click:Command1", "click:Op6H", "click:Command1", "click:Op7H",
         "click:Command1"},
        {"tab:SSTab1=0", "click:Op5H", "w1=6", "w2=1", "click:Command1", "w1=8", "w2=1.25", "click:Command1"},
        // The largest diameters of the tables, with their coarsest pitches.
        {"tab:SSTab1=0", "w1=355", "w2=6", "click:Op5H", "click:Command1", "click:Op6H", "click:Command1", "click:Op7H",
         "click:Command1"},
        {"tab:SSTab1=0", "w1=355", "w2=8", "click:Op7H", "click:Command1", "click:Op5H", "click:Command1"},
        // The external page: the worked example, the longest limits text
        // (M105×2 6e) and the largest size in every class.
        {"tab:SSTab1=1", "pick:Combo1=22", "click:Op6g", "click:CommandM"},
        {"tab:SSTab1=1", "pick:Combo1=199", "click:Op6e", "click:CommandM"},
        {"tab:SSTab1=1", "pick:Combo1=239", "click:Op6hh", "click:Op6e", "click:Op6f", "click:Op6g", "click:CommandM"},
    };
    return w;
}

}  // namespace quorvil::test
