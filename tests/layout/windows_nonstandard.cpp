#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm19() { return {}; }

LayoutWindow layoutForm8() { return {}; }

LayoutWindow layoutForm11() { return {}; }

}  // namespace quorvil::test
