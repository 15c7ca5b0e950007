#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm20() { return {}; }

}  // namespace quorvil::test
