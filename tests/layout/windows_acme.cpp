#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm21() { return {}; }

LayoutWindow layoutForm12() { return {}; }

LayoutWindow layoutForm18() { return {}; }

}  // namespace quorvil::test
