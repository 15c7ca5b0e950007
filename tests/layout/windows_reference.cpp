#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm4() { return {}; }

LayoutWindow layoutForm16() { return {}; }

LayoutWindow layoutForm9() { return {}; }

LayoutWindow layoutForm5() { return {}; }

}  // namespace quorvil::test
