#include "layoutexamples.h"

namespace quorvil::test {

LayoutWindow layoutForm2() { return {}; }

}  // namespace quorvil::test
