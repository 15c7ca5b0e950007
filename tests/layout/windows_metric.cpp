#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm15() {
    LayoutWindow w;
    w.examples = {{"tab:SSTab1=0", "w1=355", "w2=6", "click:Command1"}};
    return w;
}

}  // namespace quorvil::test
