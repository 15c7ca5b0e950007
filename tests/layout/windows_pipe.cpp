#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm7() { return {}; }

LayoutWindow layoutForm22() { return {}; }

}  // namespace quorvil::test
