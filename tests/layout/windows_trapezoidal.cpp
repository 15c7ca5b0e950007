#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm2() {
    LayoutWindow w;
    // The external tab's sizes and classes are all swept; the internal tab
    // is driven through the worked examples and the largest sizes, each in
    // every class.
    w.examples = {
        {"tab:SSTab1=1", "Text3=40", "Text4=6", "sweep"},
        {"tab:SSTab1=1", "Text3=8", "Text4=1.5", "sweep"},
        {"tab:SSTab1=1", "Text3=100", "Text4=20", "sweep"},
        {"tab:SSTab1=1", "Text3=200", "Text4=12", "click:Op9", "click:Command1", "Text4=30", "click:Command1"},
        {"tab:SSTab1=1", "Text3=290", "Text4=12", "sweep"},
        {"tab:SSTab1=1", "Text3=290", "Text4=24", "sweep"},
        {"tab:SSTab1=1", "Text3=290", "Text4=44", "sweep"},
        // Diameters on the edges of the representative bands.
        {"tab:SSTab1=1", "Text3=11.21", "Text4=2", "sweep"},
        {"tab:SSTab1=1", "Text3=180.01", "Text4=3", "sweep"},
        {"tab:SSTab1=1", "Text3=180.01", "Text4=44", "sweep"},
    };
    return w;
}

}  // namespace quorvil::test
