#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm3() { return {}; }

LayoutWindow layoutForm17() { return {}; }

LayoutWindow layoutForm6() { return {}; }

LayoutWindow layoutForm14() { return {}; }

LayoutWindow layoutForm13() { return {}; }

}  // namespace quorvil::test
